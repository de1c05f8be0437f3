#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "gfx_sprite.h"
#include "recording_host.h"

namespace {

class SpriteTest : public ::testing::Test {
 protected:
  void SetUp() override { host_ = RecordingHost::Install(); }
  void TearDown() override { host_->Release(); }

  // Corners as (x, y) pairs in the order top-left, top-right, bottom-right, bottom-left.
  static void ExpectCorners(const HostQuad& q, const float (&xy)[8]) {
    for (int i = 0; i < 4; ++i) {
      EXPECT_NEAR(q.v[i].x, xy[2 * i], 1e-4) << "corner " << i;
      EXPECT_NEAR(q.v[i].y, xy[2 * i + 1], 1e-4) << "corner " << i;
    }
  }
  static void ExpectUv(const HostQuad& q, float u0, float v0, float u1, float v1) {
    const float us[4] = {u0, u1, u1, u0};
    const float vs[4] = {v0, v0, v1, v1};
    for (int i = 0; i < 4; ++i) {
      EXPECT_FLOAT_EQ(q.v[i].u, us[i]) << "corner " << i;
      EXPECT_FLOAT_EQ(q.v[i].v, vs[i]) << "corner " << i;
    }
  }

  RecordingHost* host_ = nullptr;
};

}  // namespace

TEST_F(SpriteTest, StartsWhiteAlphaBlendedAtHalfDepthAndHoldsAnEngineReference) {
  TextureHandle tex = host_->AddSolidTexture(128, 128, 0xFFFFFFFF);
  {
    GfxSprite sprite(tex, 96, 64, 32, 32);
    EXPECT_EQ(host_->RefCount(), 2);
    sprite.DrawAt(0, 0);
    ASSERT_EQ(host_->quads.size(), 1u);
    const HostQuad& q = host_->quads[0];
    EXPECT_EQ(q.tex, tex);
    EXPECT_EQ(q.blend, kBlendAlpha);
    for (const QuadVertex& v : q.v) {
      EXPECT_EQ(v.colour, 0xFFFFFFFFu);
      EXPECT_EQ(v.z, 0.5f);
    }
    ExpectUv(q, 0.75f, 0.5f, 1.0f, 0.75f);
  }
  EXPECT_EQ(host_->RefCount(), 1);
}

TEST_F(SpriteTest, DrawAtPlacesTheAnchorOnThePoint) {
  GfxSprite sprite(host_->AddSolidTexture(128, 128, 0xFFFFFFFF), 96, 64, 32, 32);
  sprite.DrawAt(100, 100);
  sprite.SetAnchor(16, 16);
  sprite.DrawAt(100, 100);
  ExpectCorners(host_->quads[0], {100, 100, 132, 100, 132, 132, 100, 132});
  ExpectCorners(host_->quads[1], {84, 84, 116, 84, 116, 116, 84, 116});
}

TEST_F(SpriteTest, DrawTransformedScalesAroundTheAnchorAndRotatesClockwise) {
  GfxSprite sprite(0, 0, 0, 32, 32);
  sprite.SetAnchor(16, 16);
  sprite.DrawTransformed(100, 100, 0.0f, 2.0f);         // vertical scale follows
  sprite.DrawTransformed(100, 100, 0.0f, 2.0f, 0.5f);   // its own vertical scale
  sprite.DrawTransformed(100, 100, std::numbers::pi_v<float> / 2, 1.0f);
  ExpectCorners(host_->quads[0], {68, 68, 132, 68, 132, 132, 68, 132});
  ExpectCorners(host_->quads[1], {68, 92, 132, 92, 132, 108, 68, 108});
  // A quarter turn: the top-left corner goes to the top-right, and so on.
  ExpectCorners(host_->quads[2], {116, 84, 116, 116, 84, 116, 84, 84});
}

TEST_F(SpriteTest, SetRegionRecomputesUvAndResizesOnlyWhenAsked) {
  GfxSprite sprite(host_->AddSolidTexture(256, 128, 0xFFFFFFFF), 0, 0, 128, 128);
  sprite.SetRegion(64, 32, 64, 32, false);
  sprite.DrawAt(0, 0);
  ExpectUv(host_->quads[0], 0.25f, 0.25f, 0.5f, 0.5f);
  ExpectCorners(host_->quads[0], {0, 0, 128, 0, 128, 128, 0, 128});  // drawn size kept
  sprite.SetRegion(64, 32, 64, 32, true);
  sprite.DrawAt(0, 0);
  ExpectCorners(host_->quads[1], {0, 0, 64, 0, 64, 32, 0, 32});
}

TEST_F(SpriteTest, BindTextureKeepsTheRegionInPixelsOfTheNewTexture) {
  TextureHandle small = host_->AddSolidTexture(64, 64, 0xFFFFFFFF);
  TextureHandle large = host_->AddSolidTexture(128, 256, 0xFFFFFFFF);
  TextureHandle same = host_->AddSolidTexture(128, 256, 0xFF000000);
  GfxSprite sprite(small, 16, 16, 32, 32);
  sprite.BindTexture(large);
  sprite.DrawAt(0, 0);
  ExpectUv(host_->quads[0], 16.0f / 128, 16.0f / 256, 48.0f / 128, 48.0f / 256);
  EXPECT_EQ(host_->quads[0].tex, large);
  sprite.BindTexture(same);
  sprite.DrawAt(0, 0);
  ExpectUv(host_->quads[1], 16.0f / 128, 16.0f / 256, 48.0f / 128, 48.0f / 256);
  EXPECT_EQ(host_->quads[1].tex, same);
}

TEST_F(SpriteTest, WithoutTextureUvAreInPixelsOfAOneByOneTexture) {
  GfxSprite sprite(0, 2, 3, 4, 5);
  sprite.DrawAt(0, 0);
  ExpectUv(host_->quads[0], 2, 3, 6, 8);
  EXPECT_EQ(host_->quads[0].tex, 0u);
}

TEST_F(SpriteTest, TintSetsOneCornerOrAllFour) {
  GfxSprite sprite(0, 0, 0, 8, 8);
  sprite.SetTint(0xFFFFA000, -1);
  sprite.SetTint(0x80112233, 2);
  sprite.SetBlend(kBlendAdditive);
  EXPECT_EQ(sprite.GetTint(0), 0xFFFFA000u);
  EXPECT_EQ(sprite.GetTint(2), 0x80112233u);
  sprite.DrawAt(0, 0);
  const HostQuad& q = host_->quads[0];
  EXPECT_EQ(q.v[0].colour, 0xFFFFA000u);
  EXPECT_EQ(q.v[1].colour, 0xFFFFA000u);
  EXPECT_EQ(q.v[2].colour, 0x80112233u);
  EXPECT_EQ(q.v[3].colour, 0xFFFFA000u);
  EXPECT_EQ(q.blend, kBlendAdditive);
}
