#pragma once

#include "problems.h"

#include <QList>
#include <QString>

// The "key: value" block format shared by the question files and the bank definitions:
// blocks are separated by blank lines, '#' starts a comment line.
struct Field
{
    QString name;
    QString value;
    int line = 0;
};

struct Block
{
    QList<Field> fields;
    int line = 0;  // first line of the block

    const Field *find(const QString &name) const;
};

// Reads every block of a file. Lines that are not "key: value" are reported and skipped;
// a key repeated inside one block is reported and its later value ignored.
QList<Block> readBlocks(const QString &path, Problems &problems);

// The same from text already in memory; `path` only names it in messages.
QList<Block> parseBlocks(const QString &content, const QString &path, Problems &problems);
