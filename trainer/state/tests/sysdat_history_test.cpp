// Appending, reading and removing examination records, and the bank tag they carry.
#include "state_fixture.h"

#include "textcodec.h"

#include <QFile>
#include <QtEndian>

namespace {

const QDateTime kWhen(QDate(2026, 3, 5), QTime(7, 8, 9));

std::vector<LishiEntry> paper(int n)
{
    std::vector<LishiEntry> entries;
    for (int i = 1; i <= n; ++i)
        entries.push_back({1000 + i, i % 7, i % 3 == 0});
    return entries;
}

int recordStart(int k)
{
    return SysDat::kHistoryOffset + SysDat::kRecordSize * k;
}

}

TEST_F(StateTest, AppendWritesEveryFieldOfTheRecordAndSaves)
{
    SysDat record;
    record.applyDefaults();
    ASSERT_TRUE(record.appendHistory(88, paper(3), kWhen));

    EXPECT_EQ(record.historyCount(), 1);
    const QByteArray file = readStateFile();
    ASSERT_EQ(file.size(), SysDat::kSize);
    const char *slot = file.constData() + recordStart(1);
    const QByteArray time = Gbk::encode(QStringLiteral("2026年03月05日07点08分09秒"));
    ASSERT_EQ(time.size(), 26);
    EXPECT_EQ(QByteArray(slot, 32), time.leftJustified(32, '\0'));
    EXPECT_EQ(intAt(file, recordStart(1) + 32), 88);
    EXPECT_EQ(intAt(file, recordStart(1) + 36), 3);
    EXPECT_EQ(QByteArray(slot + 40, 12), QByteArray(12, '\0')) << "entry 0 is never filled";
    for (int i = 1; i <= 3; ++i) {
        const int at = recordStart(1) + 40 + 12 * i;
        EXPECT_EQ(intAt(file, at), 1000 + i);
        EXPECT_EQ(intAt(file, at + 4), i % 7);
        EXPECT_EQ(QByteArray(file.constData() + at + 8, 4), QByteArray(i == 3 ? "\1\0\0\0" : "\0\0\0\0", 4));
    }
    EXPECT_EQ(QByteArray(slot + 2440, 32), QByteArray("TKxiaoche").leftJustified(32, '\0'));

    const LishiRecord read = record.history(1);
    EXPECT_EQ(read.timeText, QStringLiteral("2026年03月05日07点08分09秒"));
    EXPECT_EQ(read.score, 88);
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(read.entries[2].questionId, 1003);
    EXPECT_TRUE(read.entries[2].correct);
    EXPECT_EQ(read.bankTag, QByteArray("TKxiaoche"));
}

TEST_F(StateTest, AppendAt998FillsTheLastSlotAndAt999RecordsNothing)
{
    SysDat record;
    record.writeInt(2472064, 0x5a5a5a5a); // reserved word right after the last slot
    record.setHistoryCount(998);
    ASSERT_TRUE(record.appendHistory(1, paper(199), kWhen));
    EXPECT_EQ(record.historyCount(), 999);
    // Record 999's tag is its last field and ends at offset 2472063.
    EXPECT_EQ(QByteArray(record.data() + 2472064 - 32, 10), QByteArray("TKxiaoche\0", 10));
    EXPECT_EQ(record.readInt(2472064), 0x5a5a5a5a);

    messages.texts.clear();
    const QByteArray before(record.data(), SysDat::kSize);
    const QByteArray fileBefore = readStateFile();
    EXPECT_FALSE(record.appendHistory(2, paper(5), kWhen));
    EXPECT_EQ(messages.texts, QStringList{kHistoryFull});
    EXPECT_TRUE(QByteArray(record.data(), SysDat::kSize) == before);
    EXPECT_TRUE(readStateFile() == fileBefore);
}

TEST_F(StateTest, LongPapersKeepTheirFirst199EntriesAndTheTag)
{
    for (int n : {199, 250}) {
        SCOPED_TRACE(n);
        SysDat record;
        record.setBankKind(3);
        ASSERT_TRUE(record.appendHistory(150, paper(n), kWhen));
        const int start = recordStart(1);
        EXPECT_EQ(record.readInt(start + 36), 199);
        EXPECT_EQ(record.readInt(start + 2428), 1199) << "entry 199 at 2428..2439";
        EXPECT_EQ(QByteArray(record.data() + start + 2440, 32),
                  QByteArray("TKhuoche").leftJustified(32, '\0'));
        const LishiRecord read = record.history(1);
        EXPECT_EQ(read.entries.size(), 199u);
        EXPECT_EQ(read.score, 150);
        EXPECT_EQ(read.bankTag, QByteArray("TKhuoche"));
    }
}

TEST_F(StateTest, BankTagFollowsTheBankKind)
{
    const struct
    {
        int kind;
        QString path;
        QByteArray tag;
    } cases[] = {
        {1, QStringLiteral("veltdata\\小车.stk"), "TKxiaoche"},
        {2, QStringLiteral("veltdata\\客车.stk"), "TKkeche"},
        {3, QStringLiteral("veltdata\\货车.stk"), "TKhuoche"},
        {4, QStringLiteral("我的题库.stk"), Gbk::encode(QStringLiteral("我的题库.stk"))},
        {0, QStringLiteral("x.stk"), "TKxiaoche"},
        {9, QStringLiteral("x.stk"), "TKxiaoche"},
    };
    for (const auto &c : cases) {
        SysDat record;
        record.setBankKind(c.kind);
        ASSERT_TRUE(record.setBankPath(c.path));
        EXPECT_EQ(record.tagOfCurrentBank(), c.tag) << c.kind;
        ASSERT_TRUE(record.appendHistory(1, paper(1), kWhen));
        EXPECT_EQ(record.history(1).bankTag, c.tag) << c.kind;
    }
}

TEST_F(StateTest, LongExternalBankNameIsShortenedAtACharacterBoundary)
{
    const struct
    {
        QString path;
        int tagBytes;
    } cases[] = {
        {QStringLiteral("a") + QStringLiteral("题").repeated(20), 31}, // 1 + 15 characters
        {QStringLiteral("题").repeated(20), 30},                       // a 16th would need 32
    };
    for (const auto &c : cases) {
        SysDat record;
        record.setBankKind(4);
        ASSERT_TRUE(record.setBankPath(c.path));
        const QByteArray tag = record.tagOfCurrentBank();
        EXPECT_EQ(tag.size(), c.tagBytes);
        EXPECT_TRUE(c.path.startsWith(Gbk::decode(tag)));
        ASSERT_TRUE(record.appendHistory(77, paper(2), kWhen));
        // The record is kept, and its tag still matches the bank in use.
        EXPECT_EQ(record.history(1).bankTag, tag);
        EXPECT_EQ(record.history(1).score, 77);
    }
}

TEST_F(StateTest, RemovingARecordMovesTheLaterOnesDownWithoutSaving)
{
    SysDat record;
    for (int score = 10; score <= 40; score += 10)
        ASSERT_TRUE(record.appendHistory(score, paper(score / 10), kWhen));
    const QByteArray savedFile = readStateFile();

    record.removeHistory(2);
    EXPECT_EQ(record.historyCount(), 3);
    EXPECT_EQ(record.history(1).score, 10);
    EXPECT_EQ(record.history(2).score, 30);
    EXPECT_EQ(record.history(2).entries.size(), 3u);
    EXPECT_EQ(record.history(3).score, 40);
    EXPECT_EQ(QByteArray(record.data() + recordStart(4), SysDat::kRecordSize),
              QByteArray(SysDat::kRecordSize, '\0'));
    EXPECT_TRUE(readStateFile() == savedFile);

    const QByteArray before(record.data(), SysDat::kSize);
    for (int k : {0, -1, 4, 1000})
        record.removeHistory(k);
    EXPECT_TRUE(QByteArray(record.data(), SysDat::kSize) == before);
}

TEST_F(StateTest, DamagedCountsNeverLeadOutsideTheHistory)
{
    SysDat record;
    record.setHistoryCount(5000);
    EXPECT_FALSE(record.appendHistory(1, paper(1), kWhen));
    EXPECT_EQ(messages.texts, QStringList{kHistoryFull});
    EXPECT_EQ(record.history(1000).entries.size(), 0u);

    record.setHistoryCount(-3);
    ASSERT_TRUE(record.appendHistory(9, paper(1), kWhen));
    EXPECT_EQ(record.historyCount(), 1);
    EXPECT_EQ(record.history(1).score, 9);

    record.writeInt(recordStart(1) + 36, 1 << 30); // questionCount of a damaged record
    EXPECT_EQ(record.history(1).entries.size(), 199u);
    EXPECT_EQ(record.history(0).entries.size(), 0u);
    EXPECT_EQ(record.history(2).score, 0);
}
