// Installing a rebuilt bank over the one a learner uses: the learner's counters survive,
// an unchanged bank is not touched, and a file that is not a bank is never overwritten.
#include "bankfile.h"
#include "bankinstaller.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

BankRow row(int id, const QString &text, const QString &image = QString(), int dui = 0, int cuo = 0, int gong = 0)
{
    BankRow r;
    r.id = id;
    r.text = text;
    r.answer = 6;
    r.kind = 2;
    r.image = image;
    r.jiexi = QStringLiteral("解析");
    r.dui = dui;
    r.cuo = cuo;
    r.gong = gong;
    return r;
}

const QList<QPair<QString, QString>> kMeta = {{QStringLiteral("mulu"), QStringLiteral("veltdata")},
                                              {QStringLiteral("tikuLOGO"), QStringLiteral("logo_xc.jpg")}};

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

class Install : public ::testing::Test
{
protected:
    QString built() const { return dir.filePath(QStringLiteral("built.stk")); }
    QString installed() const { return dir.filePath(QStringLiteral("小车.stk")); }
    void write(const QString &path, const QList<BankRow> &rows, const QList<QPair<QString, QString>> &meta = kMeta)
    {
        QFile::remove(path);
        writeBank(path, BankContent{rows, meta});
    }
    QTemporaryDir dir;
};

TEST_F(Install, FirstInstallCopiesTheBank)
{
    write(built(), {row(1, QStringLiteral("甲")), row(2, QStringLiteral("乙"))});
    const InstallReport r = installBank(built(), installed());
    EXPECT_EQ(r.result, InstallResult::Installed) << qPrintable(r.message);
    EXPECT_EQ(readBank(installed()).rows.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(installed() + QStringLiteral(".new")));
}

TEST_F(Install, SameQuestionsLeaveTheUsedBankUntouched)
{
    write(built(), {row(1, QStringLiteral("甲")), row(2, QStringLiteral("乙"))});
    write(installed(), {row(1, QStringLiteral("甲"), QString(), 3, 1, 4), row(2, QStringLiteral("乙"), QString(), 0, 2, 2)});
    const QByteArray before = fileHash(installed());
    const InstallReport r = installBank(built(), installed());
    EXPECT_EQ(r.result, InstallResult::Unchanged) << qPrintable(r.message);
    EXPECT_EQ(fileHash(installed()), before);
}

TEST_F(Install, ChangedQuestionsKeepTheCountersOfTheirOldRows)
{
    write(installed(), {row(1, QStringLiteral("甲"), QString(), 3, 1, 4),
                        row(2, QStringLiteral("乙"), QStringLiteral("pic_one.jpg"), 0, 2, 2),
                        row(3, QStringLiteral("同一题干"), QStringLiteral("pic_a1.jpg"), 5, 0, 5),
                        row(4, QStringLiteral("同一题干"), QStringLiteral("pic_b1.jpg"), 0, 7, 7),
                        row(5, QStringLiteral("旧题"), QString(), 9, 9, 18)});
    // Reordered, one picture renamed, one question dropped, one added, one stem over a new picture.
    write(built(), {row(1, QStringLiteral("新题")),
                    row(2, QStringLiteral("同一题干"), QStringLiteral("pic_b1.jpg")),
                    row(3, QStringLiteral("乙"), QStringLiteral("pic_two.jpg")),
                    row(4, QStringLiteral("甲")),
                    row(5, QStringLiteral("同一题干"), QStringLiteral("pic_c1.jpg")),
                    row(6, QStringLiteral("同一题干"), QStringLiteral("pic_a1.jpg"))});
    const InstallReport r = installBank(built(), installed());
    ASSERT_EQ(r.result, InstallResult::Updated) << qPrintable(r.message);
    EXPECT_EQ(r.carried, 4);
    const QList<BankRow> rows = readBank(installed()).rows;
    ASSERT_EQ(rows.size(), 6);
    struct Expected { int dui, cuo, gong; };
    const QList<Expected> expected = {{0, 0, 0}, {0, 7, 7}, {0, 2, 2}, {3, 1, 4}, {0, 0, 0}, {5, 0, 5}};
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].text, readBank(built()).rows[i].text);
        EXPECT_EQ(rows[i].dui, expected[i].dui) << "row " << i + 1;
        EXPECT_EQ(rows[i].cuo, expected[i].cuo) << "row " << i + 1;
        EXPECT_EQ(rows[i].gong, expected[i].gong) << "row " << i + 1;
    }
}

TEST_F(Install, NewMetadataAloneStillReplacesAndKeepsCounters)
{
    write(built(), {row(1, QStringLiteral("甲"))}, {{QStringLiteral("mulu"), QStringLiteral("veltdata")}});
    write(installed(), {row(1, QStringLiteral("甲"), QString(), 1, 1, 2)});
    const InstallReport r = installBank(built(), installed());
    ASSERT_EQ(r.result, InstallResult::Updated);
    const BankContent now = readBank(installed());
    EXPECT_EQ(now.metadata.size(), 1);
    EXPECT_EQ(now.rows[0].gong, 2);
}

TEST_F(Install, AnUnreadableBankIsNeverOverwritten)
{
    write(built(), {row(1, QStringLiteral("甲"))});
    const QList<QByteArray> contents = {QByteArray("not a database at all"), QByteArray()};
    for (const QByteArray &content : contents) {
        QFile f(installed());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        const InstallReport r = installBank(built(), installed());
        EXPECT_EQ(r.result, InstallResult::Failed);
        EXPECT_TRUE(r.message.contains(QStringLiteral("left as it is"))) << qPrintable(r.message);
        QFile again(installed());
        ASSERT_TRUE(again.open(QIODevice::ReadOnly));
        EXPECT_EQ(again.readAll(), content);
    }
}

}
