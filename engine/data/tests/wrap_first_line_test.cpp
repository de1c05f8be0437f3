#include <gtest/gtest.h>

#include "wrap_first_line.h"

namespace {

std::u16string Units(int count, char16_t unit = u'字') { return std::u16string(count, unit); }

}  // namespace

TEST(WrapFirstLine, BreaksOnlyAFirstLineLongerThan30UnitsAfterUnit30) {
  const std::u16string options = u"\r\nA、桥面变宽\r\nB、两侧变宽";
  struct Case {
    std::u16string text;
    std::u16string want;
  } cases[] = {
      {u"", u""},
      {Units(30), Units(30)},
      {Units(30) + options, Units(30) + options},
      {Units(31), Units(30) + u"\r\n" + Units(1)},
      {Units(45), Units(30) + u"\r\n" + Units(15)},  // a true/false statement
      {Units(31) + options, Units(30) + u"\r\n" + Units(1) + options},
      // More than 60: broken once, the second line stays longer than 30.
      {Units(61) + options, Units(30) + u"\r\n" + Units(31) + options},
      // A lone CR or LF is not a line end for this rule.
      {Units(20) + u"\n" + Units(20), Units(20) + u"\n" + Units(9) + u"\r\n" + Units(11)},
      {u"\r\n" + Units(40), u"\r\n" + Units(40)},
  };
  for (const Case& c : cases) {
    std::u16string wrapped = WrapFirstLine(c.text);
    EXPECT_TRUE(wrapped == c.want) << "length " << c.text.size();
    EXPECT_TRUE(WrapFirstLine(wrapped) == wrapped) << "idempotent, length " << c.text.size();
  }
}
