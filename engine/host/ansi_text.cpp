#include "ansi_text.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One open converter per direction and thread: opening one costs far more than a
// short conversion, and the font converts text every frame.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; an unconvertible input unit of `unit` bytes becomes `replacement`.
  std::string Run(std::string_view in, size_t unit, std::string_view replacement) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buffer[1024];
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (rc != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) continue;
      out.append(replacement);
      if (errno == EINVAL || srcLeft <= unit) break;  // incomplete sequence at the end
      src += unit;
      srcLeft -= unit;
    }
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
    out.append(buffer, dst - buffer);
    return out;
  }

 private:
  iconv_t cd_;
};

std::string_view Bytes(std::u16string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)};
}

std::u16string Units(const std::string& bytes) {
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return out;
}

constexpr std::string_view kWideReplacement{"\xFD\xFF", 2};  // U+FFFD, little-endian

}  // namespace

std::string Utf16ToAnsi(std::u16string_view text) {
  thread_local Converter conv("GBK", "UTF-16LE");
  return conv.Run(Bytes(text), 2, "?");
}

std::u16string AnsiToUtf16(std::string_view text) {
  thread_local Converter conv("UTF-16LE", "GBK");
  return Units(conv.Run(text, 1, kWideReplacement));
}

std::u16string Utf8ToUtf16(std::string_view text) {
  thread_local Converter conv("UTF-16LE", "UTF-8");
  return Units(conv.Run(text, 1, kWideReplacement));
}

std::string Utf16ToUtf8(std::u16string_view text) {
  thread_local Converter conv("UTF-8", "UTF-16LE");
  return conv.Run(Bytes(text), 2, "\xEF\xBF\xBD");
}

bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    size_t extra;
    if (c < 0x80) {
      extra = 0;
    } else if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
    } else {
      return false;
    }
    if (extra > text.size() - i - 1) return false;
    for (size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::string AnsiOrUtf8ToUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  return Utf16ToUtf8(AnsiToUtf16(text));
}
