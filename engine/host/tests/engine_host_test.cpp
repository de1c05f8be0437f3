#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine_host.h"
#include "recording_host.h"

namespace fs = std::filesystem;

TEST(SharedEngine, CreateAddsReferenceToTheOneSharedEngineAndReleaseGivesItBack) {
  RecordingHost* host = RecordingHost::Install();
  EXPECT_EQ(host->RefCount(), 1);

  EngineHost* first = hgeCreate(0x180);
  EngineHost* second = hgeCreate(0x180);
  EXPECT_EQ(first, host);
  EXPECT_EQ(second, host);
  EXPECT_EQ(host->RefCount(), 3);
  EXPECT_EQ(hgeCreate(0x181), nullptr);
  EXPECT_EQ(host->RefCount(), 3);

  first->Release();
  second->Release();
  EXPECT_EQ(host->RefCount(), 1);
  host->Release();  // the last reference: the shared slot is empty again

  EngineHost* fresh = hgeCreate(0x180);  // now the SDL engine, not yet initiated
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(dynamic_cast<RecordingHost*>(fresh), nullptr);
  EXPECT_EQ(fresh->RefCount(), 1);
  fresh->Release();
}

TEST(SharedEngine, StatesSetBeforeInitiateAreKept) {
  RecordingHost* host = RecordingHost::Install();
  host->System_SetState(HGE_SCREENWIDTH, 1000);
  host->System_SetState(HGE_SCREENHEIGHT, 650);
  host->System_SetState(HGE_LOGFILE, "hgedemo.log");
  host->System_SetState(HGE_LOGFILE, "Game.log");
  host->System_SetState(HGE_HIDEMOUSE, false);
  host->System_SetState(HGE_TITLE, "\xD3\xCE\xCF\xB7");  // "游戏" in GBK
  EXPECT_EQ(host->Settings().screenWidth, 1000);
  EXPECT_EQ(host->Settings().screenHeight, 650);
  EXPECT_EQ(host->Settings().logFile, "Game.log");
  EXPECT_FALSE(host->Settings().hideMouse);
  EXPECT_EQ(host->Settings().title, "游戏");
  EXPECT_EQ(host->System_GetState(HGE_HWND), &host->window);
  host->Release();
}

TEST(SharedEngine, RecordingLoopRunsFrameThenRenderUntilFrameSaysStop) {
  static RecordingHost* host;
  static std::vector<char> calls;
  calls.clear();
  host = RecordingHost::Install();
  host->System_SetState(HGE_FRAMEFUNC, +[] {
    calls.push_back('f');
    return host->Input_GetKeyState(kKeyEscape);
  });
  host->System_SetState(HGE_RENDERFUNC, +[] {
    calls.push_back('r');
    return false;
  });
  host->beforeFrame = [](int frame) { host->SetKey(kKeyEscape, frame == 2); };
  EXPECT_FALSE(host->System_Start()) << "not initiated yet";
  ASSERT_TRUE(host->System_Initiate());
  EXPECT_TRUE(host->System_Start());
  EXPECT_EQ(std::string(calls.begin(), calls.end()), "frfrf");
  host->Release();
}

TEST(Resources, WholeFileIsLoadedAndMissingFileGivesNull) {
  fs::path dir = fs::temp_directory_path() / "veltaro_resource_test";
  fs::create_directories(dir / "veltdata");
  std::ofstream(dir / "veltdata" / "blob.bin", std::ios::binary) << std::string("abc\0def", 7);
  std::ofstream(dir / "veltdata" / "empty.bin", std::ios::binary);
  setenv("VELTARO_HOME", dir.c_str(), 1);

  RecordingHost* host = RecordingHost::Install();
  std::uint32_t size = 99;
  void* data = host->Resource_Load("veltdata\\blob.bin", &size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(size, 7u);
  EXPECT_EQ(std::string(static_cast<char*>(data), size), std::string("abc\0def", 7));
  host->Resource_Free(data);

  data = host->Resource_Load("veltdata\\empty.bin", &size);
  EXPECT_NE(data, nullptr);
  EXPECT_EQ(size, 0u);
  host->Resource_Free(data);

  EXPECT_EQ(host->Resource_Load("veltdata\\missing.bin", &size), nullptr);
  EXPECT_EQ(size, 0u);
  host->Release();
  unsetenv("VELTARO_HOME");
  fs::remove_all(dir);
}

TEST(Random, SameSeedSameSequenceAndValuesStayInRange) {
  RecordingHost* a = new RecordingHost(42);
  RecordingHost* b = new RecordingHost(42);
  float low = 1e9f;
  float high = -1e9f;
  for (int i = 0; i < 10000; ++i) {
    float x = a->Random_Float(-2.0f, 2.0f);
    ASSERT_EQ(x, b->Random_Float(-2.0f, 2.0f));
    ASSERT_GE(x, -2.0f);
    ASSERT_LE(x, 2.0f);
    low = std::min(low, x);
    high = std::max(high, x);
  }
  EXPECT_LT(low, -1.99f);
  EXPECT_GT(high, 1.99f);
  EXPECT_EQ(a->Random_Float(3.0f, 3.0f), 3.0f);
  a->Release();
  b->Release();
}
