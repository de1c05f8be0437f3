#include <gtest/gtest.h>

#include <set>

#include "gfx_font.h"
#include "recording_host.h"

namespace {

class FontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = RecordingHost::Install();
    font_ = new GfxFont(u"宋体", 26, true, false, true);
    ASSERT_TRUE(font_->IsUsable());
  }
  void TearDown() override {
    delete font_;
    host_->Release();
  }

  // The pen position a recorded glyph quad was drawn for.
  float PenX(size_t quad, char16_t unit) { return host_->quads[quad].v[0].x + font_->GlyphOf(unit)->xOffset; }
  float PenY(size_t quad, char16_t unit) { return host_->quads[quad].v[0].y + font_->GlyphOf(unit)->yOffset; }

  RecordingHost* host_ = nullptr;
  GfxFont* font_ = nullptr;
};

}  // namespace

TEST_F(FontTest, NarrowCharactersAdvanceHalfTheSizeOthersTheWholeSize) {
  font_->DrawWide(12, 145, u"AA中中A");
  ASSERT_EQ(host_->quads.size(), 5u);
  EXPECT_FLOAT_EQ(PenX(0, u'A'), 12);
  EXPECT_FLOAT_EQ(PenX(1, u'A'), 25);
  EXPECT_FLOAT_EQ(PenX(2, u'中'), 38);
  EXPECT_FLOAT_EQ(PenX(3, u'中'), 64);
  EXPECT_FLOAT_EQ(PenX(4, u'A'), 90);
  for (size_t i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(PenY(i, i < 2 || i == 4 ? u'A' : u'中'), 145);

  GfxFont big(u"宋体", 50, true, false, true);
  EXPECT_EQ(big.Advance(u'A'), 25.0f) << "half of 50";
  EXPECT_EQ(big.Advance(u'中'), 50.0f);
  EXPECT_EQ(font_->Advance(0x1FFF), 13.0f);
  EXPECT_EQ(font_->Advance(0x2000), 26.0f);
}

TEST_F(FontTest, GlyphSitsOnABaselineOneAscentBelowThePen) {
  const GfxFont::Glyph* glyph = font_->GlyphOf(u'中');
  ASSERT_NE(glyph, nullptr);
  font_->DrawWide(0, 0, u"中");
  const HostQuad& q = host_->quads[0];
  EXPECT_EQ(q.v[2].x - q.v[0].x, glyph->width);
  EXPECT_EQ(q.v[2].y - q.v[0].y, glyph->height);
  EXPECT_GT(font_->Ascent(), 15);
  EXPECT_GE(q.v[0].y, 0.0f) << "a CJK glyph's top stays inside its line";
  EXPECT_LE(q.v[2].y, font_->Ascent() + 8.0f);
}

TEST_F(FontTest, CarriageReturnAndLineFeedEachStartANewLine) {
  font_->SetSpacingY(3);
  font_->DrawWide(12, 100, u"AB\r\nC\nD");
  ASSERT_EQ(host_->quads.size(), 4u);
  EXPECT_FLOAT_EQ(PenX(2, u'C'), 12);
  EXPECT_FLOAT_EQ(PenY(2, u'C'), 100 + 2 * (26 + 3));
  EXPECT_FLOAT_EQ(PenX(3, u'D'), 12);
  EXPECT_FLOAT_EQ(PenY(3, u'D'), 100 + 3 * (26 + 3));
}

TEST_F(FontTest, MeasureTextAddsAdvancesAndLines) {
  struct Case {
    const char16_t* text;
    float spacingX, spacingY;
    int width, height;
  } cases[] = {
      {u"中文", 0, 0, 52, 26},
      {u"中文", 2, 0, 56, 26},
      {u"AB\r\nC", 0, 0, 26, 78},
      {u"A\r\n中文中", 0, 0.5f, 78, 26 + 2 * 26},
      {u"", 0, 0, 0, 26},
      {u"A\uFFFFB", 0, 0, 26, 26},
  };
  for (const Case& c : cases) {
    font_->SetSpacingX(c.spacingX);
    font_->SetSpacingY(c.spacingY);
    TextSize size = font_->MeasureText(c.text);
    EXPECT_EQ(size.width, c.width) << static_cast<int>(c.text[0]);
    EXPECT_EQ(size.height, c.height) << static_cast<int>(c.text[0]);
  }
}

TEST_F(FontTest, CharAtFindsTheUnitUnderThePointOnEachLine) {
  const char16_t* text = u"AB\r\n中文";
  struct Case {
    float x, y;
    char16_t want;
  } cases[] = {
      {1, 1, u'A'},   {13, 26, u'A'}, {13.5f, 10, u'B'}, {26, 10, u'B'}, {27, 10, 0},
      {0, 10, 0},     {10, 30, 0},  // the empty line between "\r" and "\n"
      {5, 53, u'中'}, {30, 78, u'文'}, {30, 79, 0},    {53, 60, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(font_->CharAt(text, c.x, c.y), c.want) << c.x << "," << c.y;
  EXPECT_EQ(font_->CharAt(u"A\uFFFFB", 20, 10), u'B') << "U+FFFF takes no space";
}

TEST_F(FontTest, GreyGlyphAlphaUsesThe65Levels) {
  const GfxFont::Glyph* glyph = font_->GlyphOf(u'中');
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(font_->GlyphFormat(), GfxFont::kFormatGrey);
  const std::uint32_t* pixels = host_->Texture_Lock(glyph->tex, true);
  int width = host_->Texture_GetWidth(glyph->tex);
  std::set<std::uint32_t> alphas;
  for (int row = 0; row < static_cast<int>(glyph->height); ++row) {
    for (int col = 0; col < static_cast<int>(glyph->width); ++col) {
      std::uint32_t pixel = pixels[row * width + col];
      EXPECT_EQ(pixel & 0x00FFFFFFu, 0x00FFFFFFu);
      std::uint32_t alpha = pixel >> 24;
      EXPECT_TRUE(alpha == 255 || (alpha % 4 == 0 && alpha <= 252)) << alpha;
      alphas.insert(alpha);
    }
  }
  EXPECT_TRUE(alphas.count(0));
  EXPECT_TRUE(alphas.count(255));
  EXPECT_GT(alphas.size(), 8u) << "antialiased edges";
}

TEST_F(FontTest, MonoGlyphIsFullyOnOrOff) {
  GfxFont mono(u"宋体", 26, false, false, false);
  const GfxFont::Glyph* glyph = mono.GlyphOf(u'文');
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(mono.GlyphFormat(), GfxFont::kFormatMono);
  const std::uint32_t* pixels = host_->Texture_Lock(glyph->tex, true);
  std::set<std::uint32_t> values(pixels, pixels + static_cast<int>(glyph->width * glyph->height));
  EXPECT_EQ(values, (std::set<std::uint32_t>{0x00000000u, 0xFFFFFFFFu}));
}

TEST_F(FontTest, TintColoursEveryFollowingGlyph) {
  font_->SetTint(0xFFFF0000, -1);
  EXPECT_EQ(font_->GetTint(3), 0xFFFF0000u);
  font_->DrawWide(0, 0, u"回答错误!");
  ASSERT_EQ(host_->quads.size(), 5u);
  for (const HostQuad& q : host_->quads) {
    for (const QuadVertex& v : q.v) EXPECT_EQ(v.colour, 0xFFFF0000u);
    EXPECT_EQ(q.blend, kBlendAlpha);
  }
}

TEST_F(FontTest, GlyphsAreBuiltOnceAndFreedWithTheFont) {
  int before = host_->LiveTextureCount();
  {
    GfxFont font(u"宋体", 26, true, false, true);
    font.DrawWide(0, 0, u"图中标志 图中");
    int built = host_->LiveTextureCount() - before;
    EXPECT_EQ(built, 5) << "图 中 标 志 and the space";
    font.DrawWide(0, 40, u"图中标志 图中");
    EXPECT_EQ(host_->LiveTextureCount() - before, built);
  }
  EXPECT_EQ(host_->LiveTextureCount(), before);
}

TEST_F(FontTest, NoEntryUnitIsSkippedWhenDrawing) {
  font_->DrawWide(0, 0, u"A\uFFFFB");
  ASSERT_EQ(host_->quads.size(), 2u);
  EXPECT_FLOAT_EQ(PenX(1, u'B'), 13);
  EXPECT_EQ(font_->GlyphOf(0xFFFF), nullptr);
}

TEST_F(FontTest, FormattedTextIsGbkAndPercentSignsInArgumentsStay) {
  font_->DrawFormatted(2, 2, "%f,___%f", 392.0, 317.0);
  EXPECT_EQ(host_->quads.size(), std::string("392.000000,___317.000000").size());
  host_->quads.clear();
  font_->DrawFormatted(12, 145, "%s", "\xD6\xD0" "100%");  // "中100%" in GBK
  ASSERT_EQ(host_->quads.size(), 5u);
  EXPECT_FLOAT_EQ(PenX(1, u'1'), 12 + 26);
}

TEST(FontWithoutFace, DrawsNothingAndMeasuresZeroBySize) {
  RecordingHost* host = RecordingHost::Install();
  {
    GfxFont font(u"/nonexistent/no-such-font.ttf", 26, false, false, true);
    EXPECT_FALSE(font.IsUsable());
    font.DrawWide(0, 0, u"中文\r\nA");
    font.DrawFormatted(0, 0, "%s", "abc");
    EXPECT_TRUE(host->quads.empty());
    TextSize size = font.MeasureText(u"中文\r\nA");
    EXPECT_EQ(size.width, 0);
    EXPECT_EQ(size.height, 26);
    EXPECT_EQ(font.CharAt(u"中文", 5, 5), 0);
    EXPECT_EQ(host->LiveTextureCount(), 0);
  }
  EXPECT_EQ(host->RefCount(), 1);
  host->Release();
}
