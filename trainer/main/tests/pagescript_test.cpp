// Page scripts, start-up paths and the key table.
#include "keytable.h"
#include "pagescript.h"
#include "startpaths.h"
#include "sysdat.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(PageScriptTest, LiteralsSurviveQuotesBackslashesAndLineBreaks)
{
    const struct { const char *text; const char *literal; } cases[] = {
        {"plain", "\"plain\""},
        {"say \"stop\"", "\"say \\\"stop\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"line\r\nnext", "\"line\\r\\nnext\""},
        {"</script><b>", "\"</script><b>\""},
        {"机动车", "\"机动车\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PageScript::stringLiteral(QString::fromUtf8(c.text)), QString::fromUtf8(c.literal)) << c.text;
    EXPECT_EQ(PageScript::stringLiteral(QString(QChar(0x2028))), QStringLiteral("\"\\u2028\""));
}

TEST(PageScriptTest, TextKeepsItsHtmlAndBreaksLines)
{
    const QString script = PageScript::setText(QStringLiteral("第一行\r\n<b>'第二行'</b>"));
    EXPECT_EQ(script, QStringLiteral("{const e=document.getElementById(\"text\");if(e)e.innerHTML=\"第一行<br/><b>'第二行'</b>\";}"));
}

TEST(PageScriptTest, PicturePaths)
{
    const QString dir = QStringLiteral("veltdata\\pic");
    EXPECT_EQ(PageScript::picturePath(QString(), dir), QStringLiteral("../veltdata/imgnull.jpg"));
    EXPECT_EQ(PageScript::picturePath(QStringLiteral(" "), dir), QStringLiteral("../veltdata/imgnull.jpg"));
    EXPECT_EQ(PageScript::picturePath(QStringLiteral("bz1.jpg"), dir), QStringLiteral("../veltdata/pic/bz1.jpg"));
    EXPECT_EQ(PageScript::setPicture(QStringLiteral("../a\"b.jpg")),
              QStringLiteral("{const e=document.getElementById(\"id_img\");if(e)e.src=\"../a\\\"b.jpg\";}"));
}

TEST(StartPathsTest, DataRootAndLinks)
{
    EXPECT_EQ(dataRoot(QString(), QStringLiteral("/opt/v")), QStringLiteral("/opt/v"));
    EXPECT_EQ(dataRoot(QStringLiteral("/home/x"), QStringLiteral("/opt/v")), QStringLiteral("/home/x"));
    EXPECT_EQ(linkUrl(QStringLiteral("veltdata\\tiku.htm"), QStringLiteral("/opt/v")),
              QUrl::fromLocalFile(QStringLiteral("/opt/v/veltdata/tiku.htm")));
    EXPECT_EQ(linkUrl(QStringLiteral("https://example.org/a"), QStringLiteral("/opt/v")),
              QUrl(QStringLiteral("https://example.org/a")));
    EXPECT_TRUE(linkUrl(QStringLiteral("  "), QStringLiteral("/opt/v")).isEmpty());
}

TEST(StartPathsTest, FreshRecordOpensTheBuiltInBankOfItsKind)
{
    SysDat state(QStringLiteral("unused"));
    const struct { int kind; const char *path; } cases[] = {
        {1, "veltdata\\小车.stk"}, {2, "veltdata\\客车.stk"}, {3, "veltdata\\货车.stk"},
        {4, "veltdata\\小车.stk"}, {0, "veltdata\\小车.stk"},
    };
    for (const auto &c : cases) {
        state.setBankKind(c.kind);
        EXPECT_EQ(startBankPath(state), QString::fromUtf8(c.path)) << c.kind;
    }
    ASSERT_TRUE(state.setBankPath(QStringLiteral("mine.stk")));
    EXPECT_EQ(startBankPath(state), QStringLiteral("mine.stk"));
}

TEST(KeyTableTest, FixedLettersArrowsAndConfiguredCodes)
{
    const KeyBindings keys{97, 98, 99, 100, 105, 102};
    const struct { int vk; bool tf; KeyAction action; } cases[] = {
        {65, false, KeyAction::AnswerA}, {65, true, KeyAction::AnswerTrue},
        {66, false, KeyAction::AnswerB}, {66, true, KeyAction::AnswerWrong},
        {67, true, KeyAction::AnswerC},  {68, false, KeyAction::AnswerD},
        {97, true, KeyAction::AnswerTrue}, {98, false, KeyAction::AnswerB},
        {99, false, KeyAction::AnswerC}, {100, false, KeyAction::AnswerD},
        {38, false, KeyAction::Previous}, {105, false, KeyAction::Previous},
        {40, false, KeyAction::Next},    {102, false, KeyAction::Next},
        {69, false, KeyAction::None},    {0, false, KeyAction::None},
    };
    for (const auto &c : cases)
        EXPECT_EQ(keyActionFor(c.vk, keys, c.tf), c.action) << c.vk;
    // The first match wins: a configured code equal to a later fixed key.
    const KeyBindings clash{40, 0, 0, 0, 0, 0};
    EXPECT_EQ(keyActionFor(40, clash, false), KeyAction::AnswerA);
    EXPECT_EQ(answerCodeOf(KeyAction::AnswerTrue), 6);
    EXPECT_EQ(answerCodeOf(KeyAction::AnswerWrong), 5);
    EXPECT_EQ(answerCodeOf(KeyAction::Next), 0);
}

TEST(KeyTableTest, QtKeysToStoredCodes)
{
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_A, Qt::NoModifier), 65);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_D, Qt::ShiftModifier), 68);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_1, Qt::KeypadModifier), 97);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_9, Qt::KeypadModifier), 105);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_1, Qt::NoModifier), 49);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Up, Qt::NoModifier), 38);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Down, Qt::KeypadModifier), 40);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_F1, Qt::NoModifier), 112);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Escape, Qt::NoModifier), 0);
}
}
