#pragma once

#include <QString>

#include <vector>

// Small question banks written by the tests themselves, with the bank's two tables.
struct BankRow
{
    int id = 0;
    QString text;
    int daan = 0;
    int leixing = 1;
    int dui = 0;
    int cuo = 0;
    int gong = 0;
    QString img = QStringLiteral(" ");
    QString jiexi;
};

struct BankMeta
{
    QString key;
    QString value;
};

// Writes (replacing) an SQLite bank file. False when it cannot.
bool writeTestBank(const QString &file, const std::vector<BankRow> &rows,
                   const std::vector<BankMeta> &meta = {{QStringLiteral("mulu"), QStringLiteral("veltdata")}});

// Twelve questions: choice, true/false and multi-select, numbered 1 to 12, all never
// answered (gong 0), so preliminary practice takes them in number order.
std::vector<BankRow> mixedDozen();

// `n` choice questions numbered 1 to n.
std::vector<BankRow> choiceRows(int n);

// The counters (dui, cuo, gong) of one question, read from outside the trainer; all -1
// when the row is missing.
struct Counters
{
    int dui = -1, cuo = -1, gong = -1;
    bool operator==(const Counters &) const = default;
};
Counters readCounters(const QString &file, int id);
