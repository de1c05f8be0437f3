#pragma once

#include "problems.h"
#include "question.h"

#include <QList>
#include <QString>

// Turns the blocks of one topic file into questions. Only the form is checked here
// (known keys, a known kind, options without gaps); the validator checks the content.
QList<Question> readQuestionFile(const QString &path, Problems &problems);
QList<Question> parseQuestions(const QString &content, const QString &path, Problems &problems);
