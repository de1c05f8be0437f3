#pragma once
// Text in any installed font, Chinese included. Each UTF-16 code unit is
// rasterised once into a small texture of its own and drawn as a tinted sprite.

#include <cstdint>
#include <memory>
#include <string_view>

#include "engine_host.h"
#include "gfx_sprite.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

struct TextSize {
  int width;
  int height;
};

class GfxFont {
 public:
  static constexpr int kCacheSize = 65535;  // code units 0 to 65534; U+FFFF has no entry
  static constexpr int kFormatGrey = 6;     // 65 grey levels
  static constexpr int kFormatMono = 1;     // one bit per pixel
  static constexpr std::size_t kFormatBufferBytes = 10240;

  // A face name starting with "/" names a font file directly.
  GfxFont(std::u16string_view face, int pixelSize, bool bold = false, bool italic = false, bool antialias = true);
  virtual ~GfxFont();
  GfxFont(const GfxFont&) = delete;
  GfxFont& operator=(const GfxFont&) = delete;

  // printf-style narrow text in the ANSI code page (GBK).
  virtual void DrawFormatted(float x, float y, const char* format, ...) __attribute__((format(printf, 4, 5)));
  virtual void DrawWide(float x, float y, const char16_t* text);
  virtual void SetTint(std::uint32_t colour, int corner = -1);
  virtual std::uint32_t GetTint(int corner = 0);
  virtual TextSize MeasureText(const char16_t* text);
  // The code unit under the point relative to the text's top left, or 0.
  virtual char16_t CharAt(const char16_t* text, float x, float y);
  virtual void SetSpacingX(float spacing) { spacingX_ = spacing; }
  virtual void SetSpacingY(float spacing) { spacingY_ = spacing; }
  virtual float GetSpacingX() { return spacingX_; }
  virtual float GetSpacingY() { return spacingY_; }
  virtual float GetPixelSize() { return size_; }

  // False when no font face could be loaded: such a font draws nothing.
  bool IsUsable() const { return face_ != nullptr; }
  int Ascent() const { return ascent_; }
  int GlyphFormat() const { return format_; }

  struct Glyph {
    TextureHandle tex;
    float width, height;  // black box
    float xOffset, yOffset;
    float advance;  // the face's own cell advance; layout uses Advance()
  };
  // The cache entry of a code unit, built on first use; null for U+FFFF or when
  // it cannot be built now.
  const Glyph* GlyphOf(char16_t unit);
  float Advance(char16_t unit) const;

 private:
  bool LoadFace(std::u16string_view face, bool bold, bool italic);
  bool BuildGlyph(char16_t unit, Glyph& glyph);
  void FillPixels(std::uint32_t* pixels, int pitch);

  std::unique_ptr<Glyph[]> cache_;
  int format_;
  int ascent_ = 0;
  float size_;
  float halfSize_;
  float spacingX_ = 0.0f;
  float spacingY_ = 0.0f;
  EngineHost* engine_;
  GfxSprite sprite_;
  FT_LibraryRec_* library_ = nullptr;
  FT_FaceRec_* face_ = nullptr;
  bool embolden_ = false;
  bool slant_ = false;
};
