#pragma once
// Finds the font file for a face name such as "宋体" through fontconfig, asking
// for Chinese coverage so that a face this system lacks still gets a CJK font.

#include <optional>
#include <string>

struct FontFile {
  std::string path;
  int index = 0;
};

// A face name starting with "/" is taken as the path of a font file itself.
std::optional<FontFile> LocateFont(const std::string& faceUtf8, bool bold, bool italic);
