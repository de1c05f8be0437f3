#include "gfx_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <optional>
#include <string>

#include "ansi_text.h"
#include "font_locator.h"

namespace {

constexpr char16_t kNoEntry = 0xFFFF;

bool IsLineBreak(char16_t unit) { return unit == u'\r' || unit == u'\n'; }

// 65 coverage levels, as the grey glyph format has them: 0 to 63 give alpha
// 4 x level, 64 gives full alpha.
std::uint32_t GreyPixel(unsigned char coverage) {
  unsigned level = (coverage * 64u + 127u) / 255u;
  std::uint32_t alpha = level >= 64 ? 255u : 4u * level;
  return alpha << 24 | 0x00FFFFFFu;
}

}  // namespace

GfxFont::GfxFont(std::u16string_view face, int pixelSize, bool bold, bool italic, bool antialias)
    : cache_(new Glyph[kCacheSize]()),
      format_(antialias ? kFormatGrey : kFormatMono),
      size_(static_cast<float>(pixelSize)),
      halfSize_(std::nearbyint(static_cast<float>(pixelSize) / 2.0f)),
      engine_(hgeCreate(kEngineVersion)),
      sprite_(0, 0.0f, 0.0f, 0.0f, 0.0f) {
  if (!LoadFace(face, bold, italic)) {
    std::fprintf(stderr, "font: face \"%s\" at %d px cannot be loaded; text in it is not drawn\n",
                 Utf16ToUtf8(face).c_str(), pixelSize);
  }
  sprite_.SetTint(0xFFFFFFFF, -1);
}

bool GfxFont::LoadFace(std::u16string_view face, bool bold, bool italic) {
  if (size_ <= 0.0f || FT_Init_FreeType(&library_) != 0) return false;
  std::optional<FontFile> file = LocateFont(Utf16ToUtf8(face), bold, italic);
  if (!file || FT_New_Face(library_, file->path.c_str(), file->index, &face_) != 0) {
    face_ = nullptr;
    return false;
  }
  // The pixel size is the em height.
  if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(size_)) != 0) {
    FT_Done_Face(face_);
    face_ = nullptr;
    return false;
  }
  embolden_ = bold && (face_->style_flags & FT_STYLE_FLAG_BOLD) == 0;
  slant_ = italic && (face_->style_flags & FT_STYLE_FLAG_ITALIC) == 0;
  ascent_ = static_cast<int>((face_->size->metrics.ascender + 63) >> 6);
  return true;
}

GfxFont::~GfxFont() {
  if (engine_ != nullptr) {
    for (int i = 0; i < kCacheSize; ++i) {
      if (cache_[i].tex != 0) engine_->Texture_Free(cache_[i].tex);
    }
  }
  if (face_ != nullptr) FT_Done_Face(face_);
  if (library_ != nullptr) FT_Done_FreeType(library_);
  if (engine_ != nullptr) engine_->Release();
}

float GfxFont::Advance(char16_t unit) const { return unit < 0x2000 ? halfSize_ : size_; }

const GfxFont::Glyph* GfxFont::GlyphOf(char16_t unit) {
  if (unit == kNoEntry || face_ == nullptr || engine_ == nullptr) return nullptr;
  Glyph& glyph = cache_[unit];
  if (glyph.tex == 0 && !BuildGlyph(unit, glyph)) return nullptr;
  return &glyph;
}

bool GfxFont::BuildGlyph(char16_t unit, Glyph& glyph) {
  FT_Int32 flags = FT_LOAD_NO_BITMAP | (format_ == kFormatMono ? FT_LOAD_TARGET_MONO : FT_LOAD_DEFAULT);
  if (FT_Load_Char(face_, unit, flags) != 0) return false;
  FT_GlyphSlot slot = face_->glyph;
  if (embolden_) FT_GlyphSlot_Embolden(slot);
  if (slant_) FT_GlyphSlot_Oblique(slot);
  if (FT_Render_Glyph(slot, format_ == kFormatMono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return false;
  const FT_Bitmap& bitmap = slot->bitmap;
  // A blank glyph still gets a 1 x 1 box, which draws nothing visible.
  int width = bitmap.width > 0 ? static_cast<int>(bitmap.width) : 1;
  int height = bitmap.rows > 0 ? static_cast<int>(bitmap.rows) : 1;
  TextureHandle tex = engine_->Texture_Create(width, height);
  if (tex == 0) return false;  // tried again on the next use
  if (bitmap.width > 0 && bitmap.rows > 0) {
    if (std::uint32_t* pixels = engine_->Texture_Lock(tex, false)) {
      FillPixels(pixels, engine_->Texture_GetWidth(tex, false));
      engine_->Texture_Unlock(tex);
    }
  }
  glyph.tex = tex;
  glyph.width = static_cast<float>(width);
  glyph.height = static_cast<float>(height);
  glyph.xOffset = static_cast<float>(-slot->bitmap_left);
  glyph.yOffset = static_cast<float>(slot->bitmap_top - ascent_);
  glyph.advance = static_cast<float>(slot->advance.x >> 6);
  return true;
}

void GfxFont::FillPixels(std::uint32_t* pixels, int pitch) {
  const FT_Bitmap& bitmap = face_->glyph->bitmap;
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const unsigned char* src = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
    std::uint32_t* dst = pixels + static_cast<size_t>(row) * pitch;
    for (unsigned col = 0; col < bitmap.width; ++col) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        bool on = (src[col >> 3] & (0x80u >> (col & 7))) != 0;
        dst[col] = on ? 0xFFFFFFFFu : 0x00000000u;
      } else {
        dst[col] = GreyPixel(src[col]);
      }
    }
  }
}

void GfxFont::DrawFormatted(float x, float y, const char* format, ...) {
  char buffer[kFormatBufferBytes];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  std::u16string wide = AnsiToUtf16(buffer);
  DrawWide(x, y, wide.c_str());
}

void GfxFont::DrawWide(float x, float y, const char16_t* text) {
  if (text == nullptr || face_ == nullptr) return;
  float penX = x;
  float penY = y;
  for (const char16_t* p = text; *p != 0; ++p) {
    if (IsLineBreak(*p)) {
      penX = x;
      penY += size_ + spacingY_;
      continue;
    }
    if (*p == kNoEntry) continue;
    if (const Glyph* glyph = GlyphOf(*p)) {
      sprite_.BindTexture(glyph->tex);
      sprite_.SetRegion(0.0f, 0.0f, glyph->width, glyph->height, true);
      sprite_.DrawAt(penX - glyph->xOffset, penY - glyph->yOffset);
    }
    penX += Advance(*p) + spacingX_;
  }
}

void GfxFont::SetTint(std::uint32_t colour, int corner) { sprite_.SetTint(colour, corner); }

std::uint32_t GfxFont::GetTint(int corner) { return sprite_.GetTint(corner); }

TextSize GfxFont::MeasureText(const char16_t* text) {
  if (face_ == nullptr) return {0, static_cast<int>(size_)};
  if (text == nullptr) return {0, 0};
  int width = 0;
  int height = static_cast<int>(size_);
  float line = 0.0f;
  for (const char16_t* p = text;; ++p) {
    if (*p == 0 || IsLineBreak(*p)) {
      width = std::max(width, static_cast<int>(line));
      line = 0.0f;
      if (*p == 0) break;
      height += static_cast<int>(size_ + spacingY_);
    } else if (*p != kNoEntry) {
      line += Advance(*p) + spacingX_;
    }
  }
  return {width, height};
}

char16_t GfxFont::CharAt(const char16_t* text, float x, float y) {
  if (text == nullptr || face_ == nullptr) return 0;
  float left = 0.0f;
  float top = 0.0f;
  for (const char16_t* p = text; *p != 0; ++p) {
    if (IsLineBreak(*p)) {
      top += size_ + spacingY_;
      left = 0.0f;
      continue;
    }
    if (*p == kNoEntry) continue;
    float advance = Advance(*p);
    if (left < x && x <= left + advance && top < y && y <= top + size_) return *p;
    left += advance + spacingX_;
  }
  return 0;
}
