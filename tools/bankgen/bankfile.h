#pragma once

#include "selection.h"

#include <QList>
#include <QPair>
#include <QString>

// One row of a bank's question table, as the trainer reads it.
struct BankRow
{
    int id = 0;
    QString text;       // ti_neirong
    int answer = 0;     // ti_daan
    int kind = 0;       // daanleixing
    QString image;      // img, empty when none
    QString jiexi;
    int dui = 0;        // times answered right
    int cuo = 0;        // times answered wrong
    int gong = 0;       // times answered in all

    // Everything but the learner's counters.
    bool sameQuestion(const BankRow &other) const;
};

struct BankContent
{
    QList<BankRow> rows;                      // in ID order
    QList<QPair<QString, QString>> metadata;  // jiegou, in the order stored
};

// The rows of a freshly built bank: IDs 1..N in order, counters 0.
BankContent bankContent(const QuestionRefs &questions, const QList<QPair<QString, QString>> &metadata);

// Writes a new bank file (the file must not exist yet). Throws DatabaseError.
void writeBank(const QString &path, const BankContent &content);

// Reads a bank file. Throws DatabaseError when it is not a readable bank.
BankContent readBank(const QString &path);
