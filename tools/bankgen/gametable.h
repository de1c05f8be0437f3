#pragma once

#include "selection.h"

#include <QByteArray>
#include <QString>

// The game's question table file: one line per row, "<code>\t<image>\t<text>", LF endings,
// row 0 a header holding the number of questions (image and text "NULL"), optionally the
// same header again after the last question. Backslash, CR, LF and TAB are escaped.
QByteArray gameTableBytes(const QuestionRefs &questions, bool trailer);

// Escapes backslash, CR, LF and TAB as \\ \r \n \t.
QString escapeTableField(const QString &field);

// Writes the file only when its bytes change, so an unchanged table keeps its time stamp.
bool writeFileIfChanged(const QString &path, const QByteArray &bytes, QString &error);
