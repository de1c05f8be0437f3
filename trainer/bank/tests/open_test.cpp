// Opening banks, the fallback to the small-car bank, metadata and durability of counts.
#include "bank_fixture.h"

#include <QFile>

#include <sys/wait.h>
#include <unistd.h>

TEST_F(BankTest, ChosenBankMissingFallsBackToTheSmallCarBankOnce)
{
    ASSERT_TRUE(writeBank(kSmallCarFile, numbered(7)));
    m_sql bank;
    EXPECT_TRUE(bank.open(QStringLiteral("veltdata\\不存在.stk")));
    EXPECT_EQ(messages.texts, QStringList{kCode30});
    EXPECT_TRUE(bank.connected);
    EXPECT_EQ(bank.openFailures, 1);
    EXPECT_EQ(bank.countQuestions(), 7);
    EXPECT_FALSE(QFile::exists(QStringLiteral("veltdata/不存在.stk"))) << "open never creates";
}

TEST_F(BankTest, FilesThatAreNoBankFallBackLikeMissingOnes)
{
    ASSERT_TRUE(writeBank(kSmallCarFile, numbered(3)));
    QFile garbage(QStringLiteral("garbage.stk"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    QFile empty(QStringLiteral("empty.stk"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    ASSERT_TRUE(writeBank(QStringLiteral("norows.stk"), {}));
    // A database holding other tables only.
    ASSERT_TRUE(writeBank(QStringLiteral("other.stk"), {}));
    ASSERT_EQ(queryInt(QStringLiteral("other.stk"), QStringLiteral("DROP TABLE tiku")), -1);

    for (const char *name : {"garbage.stk", "empty.stk", "other.stk"}) {
        m_sql bank;
        messages.texts.clear();
        EXPECT_TRUE(bank.open(QString::fromLatin1(name)));
        EXPECT_EQ(messages.texts, QStringList{kCode30}) << name;
        EXPECT_EQ(bank.countQuestions(), 3) << name;
    }
    m_sql bank;
    EXPECT_TRUE(bank.open(QStringLiteral("norows.stk")));
    EXPECT_EQ(bank.openFailures, 0) << "a well-formed bank without questions opens";
    EXPECT_EQ(bank.countQuestions(), 0);
}

TEST_F(BankTest, NoBanksAtAllShowThreeMessagesAndEndTheProgramWithZero)
{
    m_sql bank;
    bank.open(QStringLiteral("veltdata\\客车.stk"));
    EXPECT_EQ(messages.texts, QStringList({kCode30, kCode30, kCode30}));
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(bank.connected);
    EXPECT_EQ(bank.countQuestions(), 0);
}

TEST_F(BankTest, EmptyPathOpensNothingAndTheClosedBankAnswersEmpty)
{
    ASSERT_TRUE(writeBank(kSmallCarFile, dozen()));
    m_sql bank;
    ASSERT_TRUE(bank.open(QStringLiteral("veltdata\\小车.stk")));
    EXPECT_FALSE(bank.open(QString()));
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_FALSE(bank.connected);

    EXPECT_EQ(bank.countQuestions(), 0);
    for (int mode : {10, 11, 12, 13}) {
        bank.loadSet(mode, 10);
        EXPECT_EQ(bank.itemCount(), 0) << mode;
    }
    bank.findById(3);
    EXPECT_TRUE(bank.eof());
    EXPECT_EQ(bank.id, 0);
    bank.search(QStringLiteral("驾驶"));
    EXPECT_TRUE(bank.eof());
    EXPECT_EQ(bank.jiegouValue(QStringLiteral("mulu")), QString());
    bank.countAnswer(3, true);
    EXPECT_EQ(queryInt(kSmallCarFile, QStringLiteral("SELECT dui FROM tiku WHERE ID=3")), 1);
}

TEST_F(BankTest, LaterOpenClosesAndCheckpointsThePreviousBank)
{
    ASSERT_TRUE(writeBank(QStringLiteral("a.stk"), dozen()));
    ASSERT_TRUE(writeBank(QStringLiteral("b.stk"), numbered(4)));
    m_sql bank;
    ASSERT_TRUE(bank.open(QStringLiteral("a.stk")));
    bank.countAnswer(1, false);
    ASSERT_TRUE(QFile::exists(QStringLiteral("a.stk-wal")));

    ASSERT_TRUE(bank.open(QStringLiteral("b.stk")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("a.stk-wal")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("a.stk-shm")));
    EXPECT_EQ(bank.countQuestions(), 4);
    bank.close();
    EXPECT_FALSE(QFile::exists(QStringLiteral("b.stk-wal")));
    EXPECT_EQ(queryInt(QStringLiteral("a.stk"), QStringLiteral("SELECT cuo FROM tiku WHERE ID=1")), 1);
}

TEST_F(BankTest, CountedAnswerSurvivesACrashRightAfterIt)
{
    ASSERT_TRUE(writeBank(QStringLiteral("bank.stk"), dozen()));
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        // The child counts two answers and dies without closing anything.
        m_sql bank;
        bank.open(QStringLiteral("bank.stk"));
        bank.countAnswer(7, true);
        bank.countAnswer(7, false);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));

    m_sql bank;
    ASSERT_TRUE(bank.open(QStringLiteral("bank.stk")));
    bank.findById(7);
    EXPECT_EQ(bank.dui, 1);
    EXPECT_EQ(bank.cuo, 10);
    EXPECT_EQ(bank.gong, 11);
}

TEST_F(BankTest, MetadataKeysAndTheImageDirectoryFallback)
{
    ASSERT_TRUE(writeBank(QStringLiteral("meta.stk"), dozen(),
                          {{QStringLiteral("mulu"), QStringLiteral("veltdata\\tupian")},
                           {QStringLiteral("tikuZuoZhe"), QStringLiteral("驾校题库组")},
                           {QStringLiteral("tikuRUL"), QStringLiteral("https://example.org/jx")},
                           {QStringLiteral("tikuLOGO"), QStringLiteral("logo.png")}}));
    ASSERT_TRUE(writeBank(QStringLiteral("bare.stk"), dozen()));
    m_sql bank;
    ASSERT_TRUE(bank.open(QStringLiteral("meta.stk")));
    EXPECT_EQ(bank.imageDir(), QStringLiteral("veltdata\\tupian"));
    EXPECT_EQ(bank.bankAuthor(), QStringLiteral("驾校题库组"));
    EXPECT_EQ(bank.bankLink(), QStringLiteral("https://example.org/jx"));
    EXPECT_EQ(bank.bankLogo(), QStringLiteral("logo.png"));
    EXPECT_EQ(bank.jiegouValue(QStringLiteral("nosuchkey")), QString());
    EXPECT_EQ(bank.jiegouValue(QStringLiteral("mu'lu")), QString());
    EXPECT_TRUE(messages.texts.isEmpty());

    ASSERT_TRUE(bank.open(QStringLiteral("bare.stk")));
    EXPECT_EQ(bank.imageDir(), QStringLiteral("veltdata"));
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("出错,代码298")});
    EXPECT_EQ(bank.bankAuthor(), QString());
}

TEST_F(BankTest, StatementsOnABankWithoutTheExpectedTablesThrow)
{
    ASSERT_TRUE(writeBank(QStringLiteral("odd.stk"), dozen()));
    ASSERT_EQ(queryInt(QStringLiteral("odd.stk"), QStringLiteral("DROP TABLE jiegou")), -1);
    m_sql bank;
    ASSERT_TRUE(bank.open(QStringLiteral("odd.stk")));
    EXPECT_THROW(bank.jiegouValue(QStringLiteral("mulu")), BankError);
    EXPECT_EQ(bank.countQuestions(), 12) << "the bank stays usable after a failed statement";
}
