// Checks the data the build ships: the small-car bank, game table 1 and every picture they
// name. Until the last topic lands the numbers are upper bounds; POOL_COMPLETE makes them exact.
#include "bankdefinition.h"
#include "bankfile.h"
#include "validator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>

namespace {

const QString kDataDir = QString::fromUtf8(DATA_DIR);

BankDefinition definition()
{
    BankDefinition d;
    Problems problems;
    EXPECT_TRUE(readBankDefinition(QString::fromUtf8(BANK_DEFINITION), d, problems));
    return d;
}

void expectCount(int actual, int target, const char *what)
{
    if (POOL_COMPLETE)
        EXPECT_EQ(actual, target) << what;
    else
        EXPECT_LE(actual, target) << what;
}

void expectPicture(const QString &name, const QString &where)
{
    EXPECT_TRUE(isValidImageName(name)) << qPrintable(where) << ": " << qPrintable(name);
    const QImage image(QDir(kDataDir).filePath(name));
    EXPECT_FALSE(image.isNull()) << qPrintable(where) << ": picture " << qPrintable(name) << " missing or unreadable";
}

// A choice text is a stem and `options` lines "A、…", "B、…" with distinct option texts.
void expectOptionLines(const QString &text, int options, const QString &where)
{
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), options + 1) << qPrintable(where);
    EXPECT_FALSE(lines[0].isEmpty()) << qPrintable(where);
    QSet<QString> seen;
    for (int i = 0; i < options; ++i) {
        const QString prefix = QString(QChar(u'A' + i)) + QStringLiteral("、");
        EXPECT_TRUE(lines[i + 1].startsWith(prefix)) << qPrintable(where);
        seen.insert(lines[i + 1].mid(2));
    }
    EXPECT_EQ(seen.size(), options) << qPrintable(where) << ": options repeat";
}

int bits(int mask)
{
    int n = 0;
    for (; mask; mask &= mask - 1)
        ++n;
    return n;
}

TEST(BuiltData, BankRowsAreWellFormed)
{
    const BankContent bank = readBank(QString::fromUtf8(BUILT_BANK));
    const BankDefinition d = definition();
    ASSERT_FALSE(bank.rows.isEmpty());
    expectCount(int(bank.rows.size()), d.questions, "bank rows");
    QSet<QString> seen;
    for (int i = 0; i < bank.rows.size(); ++i) {
        const BankRow &r = bank.rows[i];
        const QString where = QStringLiteral("bank ID %1").arg(r.id);
        EXPECT_EQ(r.id, i + 1) << "IDs run 1..N without gaps";
        EXPECT_EQ(r.dui + r.cuo + r.gong, 0) << qPrintable(where);
        EXPECT_FALSE(r.jiexi.isEmpty()) << qPrintable(where);
        EXPECT_FALSE(seen.contains(r.text + QLatin1Char('\t') + r.image)) << qPrintable(where) << " repeats a question";
        seen.insert(r.text + QLatin1Char('\t') + r.image);
        if (!r.image.isEmpty())
            expectPicture(r.image, where);
        switch (r.kind) {
        case 1:
            EXPECT_TRUE(r.answer >= 1 && r.answer <= 4) << qPrintable(where);
            expectOptionLines(r.text, 4, where);
            EXPECT_LE(r.text.size(), kMaxShownLength) << qPrintable(where);
            break;
        case 2:
            EXPECT_TRUE(r.answer == 5 || r.answer == 6) << qPrintable(where);
            EXPECT_FALSE(r.text.contains(QLatin1Char('\n'))) << qPrintable(where);
            EXPECT_LE(r.text.size(), kMaxShownLength) << qPrintable(where);
            break;
        case 3: {
            const int options = int(r.text.count(QStringLiteral("\r\n")));
            EXPECT_TRUE(options >= 4 && options <= 8) << qPrintable(where);
            expectOptionLines(r.text, options, where);
            EXPECT_EQ(r.answer & ~(((2 << options) - 1) & ~1), 0) << qPrintable(where) << ": answer names a missing option";
            EXPECT_GE(bits(r.answer), 2) << qPrintable(where);
            break;
        }
        default:
            ADD_FAILURE() << qPrintable(where) << ": kind " << r.kind;
        }
    }
}

TEST(BuiltData, BankMetadataAndLogo)
{
    const BankContent bank = readBank(QString::fromUtf8(BUILT_BANK));
    QHash<QString, QString> meta;
    for (const auto &[name, value] : bank.metadata)
        meta.insert(name, value);
    for (const QString &key : bankMetadataKeys())
        EXPECT_FALSE(meta.value(key).isEmpty()) << qPrintable(key);
    EXPECT_EQ(meta.value(QStringLiteral("mulu")), QStringLiteral("veltdata"));
    EXPECT_EQ(meta.value(QStringLiteral("tikuRUL")), QStringLiteral("veltdata\\tiku.htm"));
    const QImage logo(QDir(kDataDir).filePath(meta.value(QStringLiteral("tikuLOGO"))));
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(142, 132));
}

struct TableRow
{
    int code = 0;
    QString image, text;
};

QString unescape(const QString &field)
{
    QString out;
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const QChar c = field[++i];
        out += c == u'r' ? QChar(u'\r') : c == u'n' ? QChar(u'\n') : c == u't' ? QChar(u'\t') : c;
    }
    return out;
}

QList<TableRow> readTable(const QString &path, QByteArray &bytes)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path);
    bytes = f.readAll();
    QList<TableRow> rows;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.last().isEmpty()) << "the last line ends with LF";
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        EXPECT_EQ(fields.size(), 3) << "line " << i;
        if (fields.size() == 3)
            rows.append({fields[0].toInt(), unescape(fields[1]), unescape(fields[2])});
    }
    return rows;
}

TEST(BuiltData, GameTableIsWellFormedAndInstalled)
{
    const BankDefinition d = definition();
    QByteArray bytes;
    const QList<TableRow> rows = readTable(QString::fromUtf8(BUILT_TABLE), bytes);
    ASSERT_GE(rows.size(), 2);
    const int n = rows[0].code;
    ASSERT_EQ(rows.size(), n + 2) << "header, N questions, the header again";
    for (const TableRow &header : {rows.first(), rows.last()}) {
        EXPECT_EQ(header.code, n);
        EXPECT_EQ(header.image, QStringLiteral("NULL"));
        EXPECT_EQ(header.text, QStringLiteral("NULL"));
    }
    int choice = 0, tf = 0, pictures = 0;
    QSet<QString> seen;
    for (int i = 1; i <= n; ++i) {
        const TableRow &r = rows[i];
        const QString where = QStringLiteral("table row %1").arg(i);
        EXPECT_TRUE(r.code >= 1 && r.code <= 6) << qPrintable(where);
        EXPECT_LE(r.text.size(), kMaxShownLength) << qPrintable(where);
        EXPECT_FALSE(seen.contains(r.text + QLatin1Char('\t') + r.image)) << qPrintable(where) << " repeats a question";
        seen.insert(r.text + QLatin1Char('\t') + r.image);
        if (r.code <= 4) {
            ++choice;
            expectOptionLines(r.text, 4, where);
        } else {
            ++tf;
            EXPECT_FALSE(r.text.contains(QLatin1Char('\n'))) << qPrintable(where);
        }
        if (!r.image.isEmpty()) {
            ++pictures;
            expectPicture(r.image, where);
        }
    }
    expectCount(choice, d.tableChoice, "choice rows");
    expectCount(tf, d.tableTrueFalse, "true/false rows");
    expectCount(pictures, d.tablePictures, "picture rows");

    QFile installed(QDir(kDataDir).filePath(d.tableFile));
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
    EXPECT_EQ(installed.readAll(), bytes) << "the runnable tree holds the table just built";
}

}
