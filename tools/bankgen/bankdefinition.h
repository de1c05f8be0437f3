#pragma once

#include "problems.h"

#include <QList>
#include <QPair>
#include <QString>

// What one bank and its game table take from the question pool, read from data/bank/<class>.txt.
struct BankDefinition
{
    QString bankFile;          // "小车.stk"
    QString vehicleClass;      // "xc"
    int questions = 0;         // rows of the bank
    QString tableFile;         // "game_table1.tsv"
    int tableChoice = 0;       // single-choice rows of the game table
    int tableTrueFalse = 0;    // true/false rows
    int tablePictures = 0;     // rows with a picture
    bool tableTrailer = false; // the table repeats its header after the last question
    QList<QPair<QString, QString>> metadata; // jiegou rows, in file order

    int tableQuestions() const { return tableChoice + tableTrueFalse; }
};

// The metadata keys the trainer reads from a bank.
const QStringList &bankMetadataKeys();

bool readBankDefinition(const QString &path, BankDefinition &definition, Problems &problems);
