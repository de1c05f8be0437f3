#pragma once

#include "m_sql.h"
#include "messages.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

// One row of a test bank's tiku table.
struct Row
{
    int id;
    QString text;
    int daan;
    int leixing;
    int dui = 0;
    int cuo = 0;
    int gong = 0;
    QString img = QStringLiteral(" ");
    QString jiexi = {};
};

struct MetaValue
{
    QString key;
    QString value;
};

// Writes a bank file with the tables tiku and jiegou. Returns false when it cannot.
bool writeBank(const QString &file, const std::vector<Row> &rows,
               const std::vector<MetaValue> &meta = {});
// A dozen questions with ID 1 to 12 and some counters set.
std::vector<Row> dozen();
// `n` questions numbered 1 to n without gaps.
std::vector<Row> numbered(int n);
// Runs one statement on a bank file from outside the store: the first integer of its
// first row, or -1 when there is none.
int queryInt(const QString &file, const QString &statement);

// Every test works in a fresh working directory holding "veltdata", with messages
// recorded and the program exit replaced by a recorder.
class BankTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QTemporaryDir dir;
    QString previousDir;
    MessageRecorder messages;
    MessageSink *previousSink = nullptr;
    std::vector<int> exitCodes;
};

// A test with the dozen-row bank written as "bank.stk" and open.
class DozenBankTest : public BankTest
{
protected:
    void SetUp() override;

    m_sql bank;
};

inline const QString kCode30 = QStringLiteral("错误代码:30,或者请以管理员身份运行；");
inline const QString kSmallCarFile = QStringLiteral("veltdata/小车.stk");
