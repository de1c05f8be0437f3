#pragma once

#include <QList>
#include <QString>

// One thing wrong with the sources, located as "file:line: message" so an editor can jump there.
struct Problem
{
    QString file;
    int line = 0;
    QString message;

    QString toString() const;
};

using Problems = QList<Problem>;
