#pragma once

#include "problems.h"

#include <QSet>
#include <QString>
#include <QStringList>

// The names of every picture described in data/pictures/*.txt ("<file name>: <drawer> ...").
// Drawing them is the picture generator's job; the bank only needs to know they exist.
QSet<QString> readPictureNames(const QStringList &descriptionFiles, Problems &problems);
