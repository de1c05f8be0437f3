#include "font_locator.h"

#include <fontconfig/fontconfig.h>

namespace {

constexpr const char* kFallbackFont = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";

std::optional<FontFile> MatchWithFontconfig(const std::string& face, bool bold, bool italic) {
  if (FcInit() == FcFalse) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return std::nullopt;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return std::nullopt;
  std::optional<FontFile> found;
  FcChar8* file = nullptr;
  int index = 0;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    found = FontFile{reinterpret_cast<const char*>(file), index};
  }
  FcPatternDestroy(match);
  return found;
}

}  // namespace

std::optional<FontFile> LocateFont(const std::string& faceUtf8, bool bold, bool italic) {
  if (!faceUtf8.empty() && faceUtf8.front() == '/') return FontFile{faceUtf8, 0};
  if (auto found = MatchWithFontconfig(faceUtf8, bold, italic)) return found;
  return FontFile{kFallbackFont, 0};
}
