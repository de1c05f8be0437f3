#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <unistd.h>

#include "ansi_text.h"
#include "data_path.h"

TEST(AnsiText, ConvertsBetweenUtf16AndGbk) {
  EXPECT_EQ(Utf16ToAnsi(u"中文A"), "\xD6\xD0\xCE\xC4" "A");
  EXPECT_EQ(AnsiToUtf16("\xD6\xD0\xCE\xC4" "A"), u"中文A");
  EXPECT_EQ(Utf16ToAnsi(u"、\r\n"), "\xA1\xA2\r\n");
  EXPECT_EQ(Utf8ToUtf16("图中标志"), u"图中标志");
  EXPECT_EQ(Utf16ToUtf8(u"图中标志"), "图中标志");
}

TEST(AnsiText, UnconvertibleInputIsReplacedNotOverrun) {
  // A character outside GBK (a surrogate pair) becomes question marks.
  EXPECT_EQ(Utf16ToAnsi(u"a\U0001F600b"), "a??b");
  // A lone lead byte at the end and an invalid pair.
  EXPECT_EQ(AnsiToUtf16("A\xD6"), u"A\uFFFD");
  EXPECT_EQ(AnsiToUtf16("\xFF\xFF" "B"), u"\uFFFD\uFFFDB");
  EXPECT_EQ(Utf16ToAnsi(u""), "");
}

TEST(AnsiText, Utf8IsKeptAndGbkIsDecoded) {
  EXPECT_TRUE(IsValidUtf8("veltdata\\hb_4.jpg"));
  EXPECT_TRUE(IsValidUtf8("爆炸01.WAV"));
  EXPECT_FALSE(IsValidUtf8("\xB1\xAC\xD5\xA8" "01.WAV"));
  EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));
  EXPECT_EQ(AnsiOrUtf8ToUtf8("爆炸01.WAV"), "爆炸01.WAV");
  EXPECT_EQ(AnsiOrUtf8ToUtf8("\xB1\xAC\xD5\xA8" "01.WAV"), "爆炸01.WAV");
}

TEST(DataPath, StoredPathsBecomeNativeUnderTheBaseDirectory) {
  setenv("VELTARO_HOME", "/opt/game", 1);
  EXPECT_EQ(EngineBaseDir(), "/opt/game");
  EXPECT_EQ(NativePath("veltdata\\particles.png"), "/opt/game/veltdata/particles.png");
  EXPECT_EQ(NativePath("\xB1\xAC\xD5\xA8" "01.WAV"), "/opt/game/爆炸01.WAV");
  // GBK trail bytes may equal '\\' (0x5C): "運" is 0xDF 0x5C and must stay one character.
  EXPECT_EQ(NativePath("veltdata\\\xDF\x5C.jpg"), "/opt/game/veltdata/運.jpg");
  EXPECT_EQ(NativePath("/tmp/x.png"), "/tmp/x.png");
  setenv("VELTARO_HOME", "/opt/game/", 1);
  EXPECT_EQ(NativePath("a.psi"), "/opt/game/a.psi");
  unsetenv("VELTARO_HOME");
}

TEST(DataPath, WithoutHomeTheBaseIsTheDirectoryOfTheLinkedFile) {
  unsetenv("VELTARO_HOME");
  char self[PATH_MAX] = {};
  ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
  std::string dir = self;
  dir = dir.substr(0, dir.rfind('/'));
  char resolved[PATH_MAX] = {};
  ASSERT_NE(realpath(EngineBaseDir().c_str(), resolved), nullptr);
  EXPECT_EQ(std::string(resolved), dir);
}
