// The reader and validator on small sources: each bad block must give the right message at
// the right line, and a good file must pass without a word.
#include "picturecatalog.h"
#include "questionreader.h"
#include "validator.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kGoodChoice = QStringLiteral(
    "key: t-choice\nclasses: xc kc hc\nkind: choice\ntext: 题干\nA: 甲\nB: 乙\nC: 丙\nD: 丁\nanswer: B\n"
    "basis: 某条\njiexi: 因为。\n");
const QString kGoodTf = QStringLiteral(
    "key: t-tf\nclasses: xc\nkind: tf\ntext: 一句陈述。\nanswer: 错\nimage: pic_ok.jpg\nbasis: 某条\njiexi: 因为。\n");
const QString kGoodMulti = QStringLiteral(
    "key: t-multi\nclasses: xc\nkind: multi\ntext: 多选题干\nA: 一\nB: 二\nC: 三\nD: 四\nE: 五\nanswer: ACE\n"
    "basis: 某条\njiexi: 因为。\n");

Problems check(const QString &content)
{
    Problems problems;
    const QList<Question> questions = parseQuestions(content, QStringLiteral("t.txt"), problems);
    validateQuestions(questions, {QStringLiteral("pic_ok.jpg")}, problems);
    return problems;
}

TEST(Sources, GoodBlocksPassAndReadRight)
{
    Problems problems;
    const QString content = QStringLiteral("# comment\n\n") + kGoodChoice + QStringLiteral("\n\n\n") + kGoodTf
                            + QStringLiteral("\n") + kGoodMulti;
    const QList<Question> qs = parseQuestions(content, QStringLiteral("road-x.txt"), problems);
    EXPECT_TRUE(validateQuestions(qs, {QStringLiteral("pic_ok.jpg")}, problems));
    for (const Problem &p : problems)
        ADD_FAILURE() << qPrintable(p.toString());
    ASSERT_EQ(qs.size(), 3);
    EXPECT_EQ(qs[0].line, 3);
    EXPECT_EQ(qs[0].topic, QStringLiteral("road-x"));
    EXPECT_EQ(answerCode(qs[0]), 2);
    EXPECT_EQ(assembledText(qs[0]), QStringLiteral("题干\r\nA、甲\r\nB、乙\r\nC、丙\r\nD、丁"));
    EXPECT_EQ(answerCode(qs[1]), 5);
    EXPECT_EQ(assembledText(qs[1]), QStringLiteral("一句陈述。"));
    EXPECT_EQ(answerCode(qs[2]), 2 + 8 + 32);
    EXPECT_EQ(answerKindCode(qs[2].kind), 3);
}

struct BadCase
{
    const char *what;
    QString from, to;   // replaced in the good choice block
    int line;           // where the message must point
    const char *message;
};

TEST(Sources, EachBadBlockGivesItsMessage)
{
    const QList<BadCase> cases = {
        {"no key", QStringLiteral("key: t-choice\n"), QString(), 1, "'key' is missing"},
        {"upper-case key", QStringLiteral("t-choice"), QStringLiteral("T_Choice"), 1, "lower case"},
        {"unknown class", QStringLiteral("xc kc hc"), QStringLiteral("xc mc"), 2, "'mc' is not"},
        {"unknown kind", QStringLiteral("kind: choice"), QStringLiteral("kind: single"), 3, "kind must be"},
        {"three options", QStringLiteral("D: 丁\n"), QString(), 5, "exactly 4 options"},
        {"option gap", QStringLiteral("C: 丙\n"), QString(), 7, "option D given but option C missing"},
        {"repeated option", QStringLiteral("D: 丁"), QStringLiteral("D: 甲"), 8, "option D repeats option A"},
        {"answer out of range", QStringLiteral("answer: B"), QStringLiteral("answer: E"), 9, "one letter A-D"},
        {"tf answer on choice", QStringLiteral("answer: B"), QStringLiteral("answer: 对"), 9, "one letter A-D"},
        {"no basis", QStringLiteral("basis: 某条\n"), QString(), 1, "'basis' is missing"},
        {"empty jiexi", QStringLiteral("jiexi: 因为。"), QStringLiteral("jiexi:"), 11, "'jiexi' is missing"},
        {"unknown key", QStringLiteral("basis:"), QStringLiteral("note: x\nbasis:"), 10, "unknown key 'note'"},
        {"key twice", QStringLiteral("basis:"), QStringLiteral("text: 再\nbasis:"), 10, "given twice"},
        {"not key-value", QStringLiteral("basis:"), QStringLiteral("这一行不对\nbasis:"), 10, "expected 'key: value'"},
        {"image too short", QStringLiteral("answer: B\n"), QStringLiteral("answer: B\nimage: a.jpg\n"), 10, "7-14 characters"},
        {"image not jpg", QStringLiteral("answer: B\n"), QStringLiteral("answer: B\nimage: abcdef.png\n"), 10, "ending in .jpg"},
        {"image undescribed", QStringLiteral("answer: B\n"), QStringLiteral("answer: B\nimage: nothere.jpg\n"), 10, "not described"},
        {"too long as shown", QStringLiteral("text: 题干"), QStringLiteral("text: ") + QString(100, QChar(u'长')), 4, "at most 119"},
        {"outside GBK", QStringLiteral("text: 题干"), QStringLiteral("text: 题干😀"), 4, "GBK cannot show"},
    };
    for (const BadCase &c : cases) {
        QString content = kGoodChoice;
        ASSERT_TRUE(content.contains(c.from)) << c.what;
        content.replace(c.from, c.to);
        const Problems problems = check(content);
        bool found = false;
        for (const Problem &p : problems)
            found = found || (p.line == c.line && p.message.contains(QString::fromUtf8(c.message)));
        QStringList got;
        for (const Problem &p : problems)
            got << p.toString();
        EXPECT_TRUE(found) << c.what << ": got " << qPrintable(got.join(QStringLiteral(" | ")));
    }
}

TEST(Sources, KindSpecificRules)
{
    struct Case { const char *what; QString content; const char *message; };
    QString tfWithOption = kGoodTf;
    tfWithOption.replace(QStringLiteral("answer: 错"), QStringLiteral("A: 甲\nanswer: 错"));
    QString tfBadAnswer = kGoodTf;
    tfBadAnswer.replace(QStringLiteral("answer: 错"), QStringLiteral("answer: 是"));
    QString multiOneRight = kGoodMulti;
    multiOneRight.replace(QStringLiteral("answer: ACE"), QStringLiteral("answer: C"));
    QString multiLetterBeyond = kGoodMulti;
    multiLetterBeyond.replace(QStringLiteral("answer: ACE"), QStringLiteral("answer: AF"));
    QString multiRepeat = kGoodMulti;
    multiRepeat.replace(QStringLiteral("answer: ACE"), QStringLiteral("answer: AA"));
    QString multiThree = kGoodMulti;
    multiThree.replace(QStringLiteral("D: 四\nE: 五\n"), QString()).replace(QStringLiteral("ACE"), QStringLiteral("AC"));
    const QList<Case> cases = {
        {"tf with option", tfWithOption, "has no options"},
        {"tf answer", tfBadAnswer, "对 or 错"},
        {"multi one right", multiOneRight, "two or more distinct letters"},
        {"multi letter without option", multiLetterBeyond, "two or more distinct letters"},
        {"multi repeated letter", multiRepeat, "two or more distinct letters"},
        {"multi three options", multiThree, "4 to 8 options"},
    };
    for (const Case &c : cases) {
        const Problems problems = check(c.content);
        bool found = false;
        for (const Problem &p : problems)
            found = found || p.message.contains(QString::fromUtf8(c.message));
        EXPECT_TRUE(found) << c.what;
    }
}

TEST(Sources, KeysAndQuestionsAreUniqueAcrossBlocks)
{
    QString second = kGoodChoice;
    second.replace(QStringLiteral("题干"), QStringLiteral("另一个题干"));
    QString sameText = kGoodChoice;
    sameText.replace(QStringLiteral("t-choice"), QStringLiteral("t-other"));
    const Problems keyTwice = check(kGoodChoice + QStringLiteral("\n") + second);
    ASSERT_EQ(keyTwice.size(), 1);
    EXPECT_EQ(keyTwice[0].line, 13);
    EXPECT_TRUE(keyTwice[0].message.contains(QStringLiteral("already used at t.txt:1")));

    const Problems textTwice = check(kGoodChoice + QStringLiteral("\n") + sameText);
    ASSERT_EQ(textTwice.size(), 1);
    EXPECT_TRUE(textTwice[0].message.contains(QStringLiteral("same question as 't-choice'")));

    // The same stem over another picture is another question.
    QString otherPicture = kGoodTf;
    otherPicture.replace(QStringLiteral("t-tf"), QStringLiteral("t-tf2")).replace(QStringLiteral("image: pic_ok.jpg\n"), QString());
    EXPECT_TRUE(check(kGoodTf + QStringLiteral("\n") + otherPicture).isEmpty());
}

TEST(Sources, LengthLimitCountsTheOptionLines)
{
    // 119 characters as shown passes, 120 fails: stem + 4 x (CR LF + letter + 、 + option).
    auto withStem = [](int stemLength) {
        QString c = kGoodChoice;
        return c.replace(QStringLiteral("text: 题干"), QStringLiteral("text: ") + QString(stemLength, QChar(u'字')));
    };
    const int optionLines = 4 * (2 + 2 + 1);
    EXPECT_TRUE(check(withStem(kMaxShownLength - optionLines)).isEmpty());
    EXPECT_EQ(check(withStem(kMaxShownLength - optionLines + 1)).size(), 1);
}

TEST(Sources, PictureListsNameEachPictureOnce)
{
    // A second description of the same file would silently replace the first picture.
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.txt")), b = dir.filePath(QStringLiteral("b.txt"));
    for (const auto &[path, text] : {std::pair{a, QByteArray("# signs\nsg_one.jpg: warning x\n\nsg_two.jpg: warning y\n")},
                                     std::pair{b, QByteArray("sg_one.jpg: dash oil\n")}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    Problems problems;
    const QSet<QString> names = readPictureNames({a, b}, problems);
    EXPECT_EQ(names, (QSet<QString>{QStringLiteral("sg_one.jpg"), QStringLiteral("sg_two.jpg")}));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].file, b);
    EXPECT_EQ(problems[0].line, 1);
    EXPECT_TRUE(problems[0].message.contains(QStringLiteral("already described at %1:2").arg(a)));
}

}
