#pragma once

#include "problems.h"
#include "question.h"

#include <QList>
#include <QSet>
#include <QString>

// The game draws at most this many characters of a question (the stem and its option lines,
// CR LF counted as two), so no single-choice or true/false question may be longer.
constexpr int kMaxShownLength = 119;

// Checks every question and the set as a whole (unique keys, no question twice).
// Returns true when nothing was wrong; every problem is appended with its file and line.
bool validateQuestions(const QList<Question> &questions, const QSet<QString> &pictureNames, Problems &problems);

// A picture name as the bank and the game accept it: ASCII, 7 to 14 characters, ".jpg".
bool isValidImageName(const QString &name);
