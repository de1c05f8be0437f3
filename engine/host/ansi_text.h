#pragma once
// Conversions between UTF-16, UTF-8 and the ANSI code page (GBK) through iconv.
// Characters that cannot be converted become '?' (narrow) or U+FFFD (wide);
// nothing is ever written past the returned string.

#include <string>
#include <string_view>

std::string Utf16ToAnsi(std::u16string_view text);
std::u16string AnsiToUtf16(std::string_view text);
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Text that is valid UTF-8 is kept; anything else is read as GBK.
std::string AnsiOrUtf8ToUtf8(std::string_view text);
bool IsValidUtf8(std::string_view text);
