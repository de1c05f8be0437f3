#include "wrap_first_line.h"

namespace {

constexpr std::u16string_view::size_type kFirstLineUnits = 30;

}  // namespace

std::u16string WrapFirstLine(std::u16string_view text) {
  std::u16string_view::size_type lineEnd = text.find(u"\r\n");
  if (lineEnd == std::u16string_view::npos) lineEnd = text.size();
  if (lineEnd <= kFirstLineUnits) return std::u16string(text);
  std::u16string wrapped(text.substr(0, kFirstLineUnits));
  wrapped += u"\r\n";
  wrapped += text.substr(kFirstLineUnits);
  return wrapped;
}
