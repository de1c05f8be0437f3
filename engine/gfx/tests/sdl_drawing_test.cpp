// Sprites and glyphs through the real SDL software renderer, read back pixel by pixel.
#include <gtest/gtest.h>

#include "gfx_font.h"
#include "gfx_sprite.h"
#include "sdl_host.h"

namespace {

class SdlDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = new SdlHost();
    InstallSharedHost(host_);
    host_->System_SetState(HGE_SCREENWIDTH, 200);
    host_->System_SetState(HGE_SCREENHEIGHT, 120);
    ASSERT_TRUE(host_->System_Initiate());
    host_->Gfx_BeginScene();
    host_->Gfx_Clear(0xFF000000);
  }
  void TearDown() override { host_->Release(); }

  SdlHost* host_ = nullptr;
};

}  // namespace

TEST_F(SdlDrawingTest, GlyphDrawnInRedKeepsItsOwnAlpha) {
  GfxFont font(u"宋体", 50, true, false, true);
  ASSERT_TRUE(font.IsUsable());
  font.SetTint(0xFFFF0000, -1);
  font.DrawWide(10, 10, u"中");
  int full = 0;
  int partial = 0;
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 200; ++x) {
      std::uint32_t pixel = host_->ReadPixel(x, y);
      int r = (pixel >> 16) & 0xFF;
      ASSERT_EQ(pixel & 0xFFFF, 0u) << "only red at " << x << "," << y;
      if (r >= 250) ++full;
      if (r > 10 && r < 240) ++partial;
      if (r != 0) {
        EXPECT_GE(x, 10);
        EXPECT_LT(x, 62);
      }
    }
  }
  EXPECT_GT(full, 100) << "solid strokes";
  EXPECT_GT(partial, 10) << "antialiased edges";
}

TEST_F(SdlDrawingTest, SpriteDrawsItsRegionOfTheTextureTinted) {
  TextureHandle tex = host_->Texture_Create(64, 32);
  std::uint32_t* pixels = host_->Texture_Lock(tex, false);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) pixels[y * 64 + x] = x < 32 ? 0xFFFFFFFF : 0xFF0000FF;  // white | blue
  }
  host_->Texture_Unlock(tex);
  GfxSprite white(tex, 0, 0, 32, 32);
  GfxSprite blue(tex, 32, 0, 32, 32);
  white.SetTint(0xFFFFA000, -1);
  white.DrawAt(10, 10);
  blue.DrawAt(100, 10);
  EXPECT_EQ(host_->ReadPixel(26, 26) & 0xFFFFFF, 0xFFA000u);
  EXPECT_EQ(host_->ReadPixel(116, 26) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(host_->ReadPixel(60, 26) & 0xFFFFFF, 0x000000u);
}
