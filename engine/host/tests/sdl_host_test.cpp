// The real SDL engine: dummy video driver, software renderer, pixels read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <SDL.h>
#include <SDL_image.h>

#include "sdl_host.h"

namespace fs = std::filesystem;

namespace {

struct Rgb {
  int r, g, b;
};

Rgb RgbOf(std::uint32_t argb) {
  return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF)};
}

void ExpectNear(std::uint32_t argb, Rgb want) {
  Rgb got = RgbOf(argb);
  EXPECT_NEAR(got.r, want.r, 2);
  EXPECT_NEAR(got.g, want.g, 2);
  EXPECT_NEAR(got.b, want.b, 2);
}

HostQuad QuadAt(float x, float y, float size, std::uint32_t colour, TextureHandle tex, int blend) {
  HostQuad q{};
  const float xs[4] = {x, x + size, x + size, x};
  const float ys[4] = {y, y, y + size, y + size};
  const float us[4] = {0, 1, 1, 0};
  const float vs[4] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i) q.v[i] = QuadVertex{xs[i], ys[i], 0.5f, colour, us[i], vs[i]};
  q.tex = tex;
  q.blend = blend;
  return q;
}

class SdlHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = new SdlHost();
    host_->System_SetState(HGE_SCREENWIDTH, 200);
    host_->System_SetState(HGE_SCREENHEIGHT, 100);
    host_->System_SetState(HGE_HIDEMOUSE, false);
    ASSERT_TRUE(host_->System_Initiate());
    ASSERT_TRUE(host_->Gfx_BeginScene());
  }
  void TearDown() override { host_->Release(); }

  SdlHost* host_ = nullptr;
};

}  // namespace

TEST_F(SdlHostTest, AlphaBlendedQuadMixesWithWhatIsBehind) {
  host_->Gfx_Clear(0xFF0000FF);
  HostQuad q = QuadAt(10, 10, 40, 0x80FF0000, 0, kBlendAlpha);
  host_->Gfx_RenderQuad(&q);
  ExpectNear(host_->ReadPixel(30, 30), {128, 0, 127});
  ExpectNear(host_->ReadPixel(80, 30), {0, 0, 255});  // outside the quad
}

TEST_F(SdlHostTest, AdditiveQuadAddsItsColourWeightedByAlpha) {
  host_->Gfx_Clear(0xFF800000);
  HostQuad opaque = QuadAt(10, 10, 40, 0xFF008000, 0, kBlendAdditive);
  HostQuad half = QuadAt(100, 10, 40, 0x8000FF00, 0, kBlendAdditive);
  host_->Gfx_RenderQuad(&opaque);
  host_->Gfx_RenderQuad(&half);
  ExpectNear(host_->ReadPixel(30, 30), {128, 128, 0});
  ExpectNear(host_->ReadPixel(120, 30), {128, 128, 0});

  TextureHandle white = host_->Texture_Create(4, 4);
  std::fill_n(host_->Texture_Lock(white, false), 16, 0xFFFFFFFFu);
  host_->Texture_Unlock(white);
  HostQuad textured = QuadAt(10, 55, 40, 0xFF000080, white, kBlendAdditive);
  host_->Gfx_RenderQuad(&textured);
  ExpectNear(host_->ReadPixel(30, 75), {128, 0, 128});
}

TEST_F(SdlHostTest, TextureColourIsMultipliedByTheVertexTint) {
  host_->Gfx_Clear(0xFF000000);
  TextureHandle tex = host_->Texture_Create(8, 8);
  ASSERT_NE(tex, 0u);
  EXPECT_EQ(host_->Texture_GetWidth(tex), 8);
  EXPECT_EQ(host_->Texture_GetHeight(tex), 8);
  std::uint32_t* pixels = host_->Texture_Lock(tex, false);
  ASSERT_NE(pixels, nullptr);
  for (int i = 0; i < 64; ++i) pixels[i] = i < 32 ? 0xFFFFFFFF : 0x80FFFF00;  // top white, bottom yellow half alpha
  host_->Texture_Unlock(tex);

  HostQuad q = QuadAt(20, 20, 64, 0xFF00FF00, tex, kBlendAlpha);
  host_->Gfx_RenderQuad(&q);
  ExpectNear(host_->ReadPixel(52, 30), {0, 255, 0});   // white tinted green
  ExpectNear(host_->ReadPixel(52, 75), {0, 128, 0});   // yellow at half alpha tinted green
  host_->Texture_Free(tex);
  EXPECT_EQ(host_->Texture_GetWidth(tex), 0);
}

TEST_F(SdlHostTest, MissingTextureFileGivesZeroAndPngAndJpegLoadWithTheirSize) {
  EXPECT_EQ(host_->Texture_Load("/nonexistent/x.png"), 0u);
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 30, 20, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_FillRect(surface, nullptr, 0xFFFF0000);
  fs::path png = fs::temp_directory_path() / "veltaro_host_test.png";
  fs::path jpg = fs::temp_directory_path() / "veltaro_host_test.jpg";
  ASSERT_EQ(IMG_SavePNG(surface, png.c_str()), 0);
  ASSERT_EQ(IMG_SaveJPG(surface, jpg.c_str(), 95), 0);
  SDL_FreeSurface(surface);
  for (const fs::path& path : {png, jpg}) {
    TextureHandle tex = host_->Texture_Load(path.c_str());
    ASSERT_NE(tex, 0u) << path;
    EXPECT_EQ(host_->Texture_GetWidth(tex), 30);
    EXPECT_EQ(host_->Texture_GetHeight(tex), 20);
    ExpectNear(host_->Texture_Lock(tex, true)[5 * 30 + 5], {255, 0, 0});
    fs::remove(path);
  }
}

TEST(SdlHostLoop, ClosingTheWindowAsksTheExitCallbackAndFalseKeepsRunning) {
  static SdlHost* host;
  static int frames;
  static int exits;
  frames = 0;
  exits = 0;
  host = new SdlHost();
  host->System_SetState(HGE_FRAMEFUNC, +[] {
    ++frames;
    if (frames == 2 || frames == 4) {
      SDL_Event close{};
      close.type = SDL_WINDOWEVENT;
      close.window.event = SDL_WINDOWEVENT_CLOSE;
      SDL_PushEvent(&close);
    }
    return frames == 10;
  });
  host->System_SetState(HGE_EXITFUNC, +[] {
    ++exits;
    host->System_GetState(HGE_HWND)->Hide();
    return exits == 2;  // the first close keeps the window, the second ends the loop
  });
  ASSERT_TRUE(host->System_Initiate());
  EXPECT_TRUE(host->System_Start());
  EXPECT_EQ(exits, 2);
  EXPECT_EQ(frames, 4);
  EXPECT_GE(host->Timer_GetDelta(), 0.0f);
  host->Release();
}

namespace {

fs::path WriteSilentWav() {
  fs::path path = fs::temp_directory_path() / "veltaro_silence.wav";
  const std::uint32_t samples = 800;
  const std::uint32_t dataBytes = samples * 2;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + dataBytes);
  out << "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(8000);
  u32(16000);
  u16(2);
  u16(16);
  out << "data";
  u32(dataBytes);
  out << std::string(dataBytes, '\0');
  return path;
}

}  // namespace

TEST(SdlHostAudio, EffectsPlayOnADeviceAndAreSilentWithoutOne) {
  fs::path wav = WriteSilentWav();
  {
    SdlHost* host = new SdlHost();
    ASSERT_TRUE(host->System_Initiate());
    ASSERT_TRUE(host->HasAudio()) << "the dummy audio driver gives a device";
    EffectHandle effect = host->Effect_Load(wav.c_str());
    EXPECT_NE(effect, 0u);
    EXPECT_NE(host->Effect_PlayEx(effect, 100, 0, 1.0f, false), 0u);
    EXPECT_EQ(host->Effect_Load("/nonexistent.wav"), 0u);
    host->Effect_Free(effect);
    host->Release();
  }
  {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlHost* host = new SdlHost();
    EXPECT_TRUE(host->System_Initiate()) << "no audio device is not a failure";
    EXPECT_FALSE(host->HasAudio());
    EffectHandle effect = host->Effect_Load(wav.c_str());
    EXPECT_EQ(host->Effect_PlayEx(effect, 100, 0, 1.0f, false), 0u);
    host->Release();
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
  }
  fs::remove(wav);
}
