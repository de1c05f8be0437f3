#include "engine_host.h"

#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <mutex>

#include "ansi_text.h"
#include "data_path.h"
#include "sdl_host.h"

namespace {

std::mutex g_sharedMutex;
EngineHost* g_shared = nullptr;

}  // namespace

EngineHost* hgeCreate(int version) {
  if (version != kEngineVersion) return nullptr;
  std::lock_guard lock(g_sharedMutex);
  if (g_shared == nullptr) {
    g_shared = new SdlHost();  // its first reference is the caller's
  } else {
    g_shared->AddRef();
  }
  return g_shared;
}

void InstallSharedHost(EngineHost* host) {
  std::lock_guard lock(g_sharedMutex);
  g_shared = host;
}

EngineHost::EngineHost() : random_(std::random_device{}()) {}

EngineHost::~EngineHost() = default;

void EngineHost::AddRef() { refs_.fetch_add(1); }

void EngineHost::Release() {
  if (refs_.fetch_sub(1) != 1) return;
  {
    std::lock_guard lock(g_sharedMutex);
    if (g_shared == this) g_shared = nullptr;
  }
  System_Shutdown();
  delete this;
}

void EngineHost::System_SetState(HostBoolState state, bool value) {
  switch (state) {
    case HGE_WINDOWED: settings_.windowed = value; break;
    case HGE_HIDEMOUSE: settings_.hideMouse = value; break;
    case HGE_USESOUND: settings_.useSound = value; break;
    case HGE_SHOWSPLASH: settings_.showSplash = value; break;
  }
}

void EngineHost::System_SetState(HostFuncState state, HostCallback value) {
  switch (state) {
    case HGE_FRAMEFUNC: settings_.frameFunc = value; break;
    case HGE_RENDERFUNC: settings_.renderFunc = value; break;
    case HGE_EXITFUNC: settings_.exitFunc = value; break;
  }
}

void EngineHost::System_SetState(HostIntState state, int value) {
  switch (state) {
    case HGE_SCREENWIDTH: settings_.screenWidth = value; break;
    case HGE_SCREENHEIGHT: settings_.screenHeight = value; break;
    case HGE_SCREENBPP: settings_.screenBpp = value; break;
  }
}

void EngineHost::System_SetState(HostStringState state, const char* value) {
  std::string text = value != nullptr ? value : "";
  switch (state) {
    case HGE_TITLE: settings_.title = AnsiOrUtf8ToUtf8(text); break;
    case HGE_INIFILE: settings_.iniFile = text; break;
    case HGE_LOGFILE: settings_.logFile = text; break;
  }
}

HostWindow* EngineHost::System_GetState(HostWindowState) { return Window(); }

void* EngineHost::Resource_Load(const char* path, std::uint32_t* size) {
  if (size != nullptr) *size = 0;
  std::FILE* file = std::fopen(NativePath(path).c_str(), "rb");
  if (file == nullptr) return nullptr;
  std::string content;
  char chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, got);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return nullptr;
  // At least one byte so an empty file still gives a buffer to free.
  void* data = std::malloc(content.size() + 1);
  if (data == nullptr) return nullptr;
  std::memcpy(data, content.data(), content.size());
  if (size != nullptr) *size = static_cast<std::uint32_t>(content.size());
  return data;
}

void EngineHost::Resource_Free(void* data) { std::free(data); }

void EngineHost::Random_Seed(std::uint32_t seed) { random_.seed(seed); }

float EngineHost::Random_Float(float min, float max) {
  double unit = static_cast<double>(random_()) / static_cast<double>(std::mt19937::max());
  return static_cast<float>(min + (static_cast<double>(max) - min) * unit);
}

int EngineHost::Random_Int(int min, int max) {
  if (max <= min) return min;
  std::uniform_int_distribution<int> pick(min, max);
  return pick(random_);
}
