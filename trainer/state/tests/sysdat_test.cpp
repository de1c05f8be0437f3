// Loading, saving, defaults and the text fields of the state record.
#include "state_fixture.h"

#include "textcodec.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

struct IntField
{
    int offset;
    int32_t value;
};

// Every field with a default, at its offset, as a missing file must get them.
const IntField kDefaults[] = {
    {0, 1},      {12, 10},    {16, 10},   {20, 2},    {24, 0},     {28, 105},
    {32, 102},   {36, 97},    {40, 98},   {44, 99},   {48, 100},   {52, 1000},
    {56, 2700},
};

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) & 0xff);
    return bytes;
}

}

TEST_F(StateTest, MissingFileGetsTheDefaultsWrittenByteForByte)
{
    SysDat record;
    record.load();

    EXPECT_EQ(messages.texts, QStringList{kCode1});
    const QByteArray file = readStateFile();
    ASSERT_EQ(file.size(), SysDat::kSize);
    // Everything not in the table (bank path, exam size, skins, history) is zero.
    QByteArray expected(SysDat::kSize, '\0');
    for (const IntField &field : kDefaults)
        qToLittleEndian<int32_t>(field.value, expected.data() + field.offset);
    EXPECT_TRUE(file == expected);
    EXPECT_EQ(QByteArray(record.data(), SysDat::kSize), file);
}

TEST_F(StateTest, ShortFileFillsOnlyTheBeginning)
{
    QByteArray head(14, '\0');
    qToLittleEndian<int32_t>(3, head.data());          // bankKind
    qToLittleEndian<int32_t>(77, head.data() + 8);     // reserved2
    head[12] = 5;                                       // half of chujiCount
    writeStateFile(head);

    SysDat record;
    record.load();

    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(record.bankKind(), 3);
    EXPECT_EQ(record.readInt(8), 77);
    EXPECT_EQ(record.chujiCount(), 5);
    EXPECT_EQ(record.nantiCount(), 0); // as freshly created, not a default
    EXPECT_TRUE(readStateFile() == head) << "loading never writes";
}

TEST_F(StateTest, LongFileLoadsItsFirstRecordAndSavesReservedBytesUnchanged)
{
    const QByteArray bytes = pattern(SysDat::kSize + 100);
    writeStateFile(bytes);

    SysDat record;
    record.load();
    ASSERT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(QByteArray(record.data(), SysDat::kSize), bytes.left(SysDat::kSize));

    ASSERT_TRUE(record.save());
    EXPECT_EQ(readStateFile(), bytes.left(SysDat::kSize));
}

TEST_F(StateTest, ApplyDefaultsTouchesOnlyTheFieldsThatHaveOne)
{
    SysDat record;
    const QByteArray before = pattern(SysDat::kSize);
    std::memcpy(record.data(), before.constData(), SysDat::kSize);

    record.applyDefaults();

    QByteArray expected = before;
    for (const IntField &field : kDefaults)
        qToLittleEndian<int32_t>(field.value, expected.data() + field.offset);
    EXPECT_TRUE(QByteArray(record.data(), SysDat::kSize) == expected);
}

TEST_F(StateTest, TextsThatDoNotFitTheirFieldAreRefusedWhole)
{
    const QString han = QStringLiteral("题"); // two bytes in GBK
    struct Case
    {
        const char *what;
        bool isPath;
        QString text;
        bool accepted;
    } cases[] = {
        {"path of 299 bytes", true, QString(299, u'a'), true},
        {"path of 300 bytes", true, QString(300, u'a'), false},
        {"path 1+149*2 = 299 bytes", true, QStringLiteral("a") + han.repeated(149), true},
        {"path 150*2 = 300 bytes", true, han.repeated(150), false},
        {"path GBK cannot hold", true, QStringLiteral("题库😀.stk"), false},
        {"skin of 99 bytes", false, QString(99, u'b'), true},
        {"skin 50*2 = 100 bytes", false, han.repeated(50), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SysDat record;
        ASSERT_TRUE(record.setBankPath(QStringLiteral("veltdata\\小车.stk")));
        ASSERT_TRUE(record.setSkinName(SysDat::SkinKaoshi, QStringLiteral("经典")));
        messages.texts.clear();
        const QByteArray before(record.data(), SysDat::kSize);

        const bool ok = c.isPath ? record.setBankPath(c.text)
                                 : record.setSkinName(SysDat::SkinKaoshi, c.text);

        EXPECT_EQ(ok, c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(messages.texts.isEmpty());
            EXPECT_EQ(c.isPath ? record.bankPath() : record.skinName(SysDat::SkinKaoshi), c.text);
        } else {
            EXPECT_EQ(messages.texts.size(), 1);
            EXPECT_TRUE(QByteArray(record.data(), SysDat::kSize) == before);
        }
    }
}

TEST_F(StateTest, ShorterTextClearsTheRestOfItsField)
{
    SysDat record;
    ASSERT_TRUE(record.setSkinName(SysDat::SkinShunxu, QStringLiteral("一个很长的皮肤名字")));
    ASSERT_TRUE(record.setSkinName(SysDat::SkinShunxu, QStringLiteral("短")));
    EXPECT_EQ(record.skinName(SysDat::SkinShunxu), QStringLiteral("短"));
    const QByteArray field(record.data() + SysDat::OffSkinShunxu, SysDat::kSkinNameWidth);
    EXPECT_EQ(field, Gbk::encode(QStringLiteral("短")).leftJustified(SysDat::kSkinNameWidth, '\0'));
    EXPECT_EQ(record.skinName(SysDat::SkinChubulianxi), QString());
}

TEST_F(StateTest, SaveThatCannotCreateItsFileSaysSoAndReportsFailure)
{
    // The "directory" is a regular file, so nothing can be created below it, even as root.
    QFile blocker(QStringLiteral("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SysDat record(QStringLiteral("blocker\\sys.dat"));

    EXPECT_FALSE(record.save());
    EXPECT_EQ(messages.texts, QStringList{kCode2});
}

TEST_F(StateTest, SaveThatFailsWhileWritingLeavesTheOldFileWhole)
{
    const QByteArray old = pattern(SysDat::kSize);
    writeStateFile(old);
    SysDat record;
    record.load();
    record.setPauseMs(4321);

    // A file-size limit makes the write itself fail, like a full disk, also for root.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1 << 20;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved_ok = record.save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(messages.texts, QStringList{kCode3});
    EXPECT_TRUE(readStateFile() == old);
    EXPECT_EQ(QDir(QStringLiteral("veltdata")).entryList(QDir::Files), QStringList{"sys.dat"})
        << "no temporary file is left behind";
    EXPECT_EQ(record.pauseMs(), 4321);
}

TEST_F(StateTest, SavedRecordLoadsBackIdentically)
{
    SysDat record;
    record.applyDefaults();
    ASSERT_TRUE(record.setBankPath(QStringLiteral("外加题库.stk")));
    record.setBankKind(4);
    record.setExternalBank(1);
    record.setExamQuestionCount(100);
    record.setKeyChars(QByteArray("9612"));
    ASSERT_TRUE(record.save());

    SysDat again;
    again.load();
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(again.bankPath(), QStringLiteral("外加题库.stk"));
    EXPECT_EQ(again.keyChars(), QByteArray("9612\0\0", 6));
    EXPECT_TRUE(QByteArray(again.data(), SysDat::kSize) == QByteArray(record.data(), SysDat::kSize));
}

TEST_F(StateTest, IntegerAccessOutsideTheRecordIsIgnored)
{
    SysDat record;
    const QByteArray before(record.data(), SysDat::kSize);
    for (int offset : {-4, -1, SysDat::kSize - 3, SysDat::kSize, 1 << 30}) {
        record.writeInt(offset, -1);
        EXPECT_EQ(record.readInt(offset), 0) << offset;
    }
    EXPECT_TRUE(QByteArray(record.data(), SysDat::kSize) == before);
}
