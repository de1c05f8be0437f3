#pragma once

#include "bankdefinition.h"
#include "question.h"

#include <QList>

using QuestionRefs = QList<const Question *>;

struct Selection
{
    QuestionRefs bank;   // rows of the trainer bank, in ID order
    QuestionRefs table;  // rows 1.. of the game table, in row order
};

// Picks the bank and the game table of one vehicle class from the pool, the same way for the
// same input. The table takes exactly the definition's numbers of choice, true/false and
// picture questions when the pool allows, otherwise as many as it can. The bank takes the
// multiple-choice questions and the table's questions (then any others) up to its size.
// Both are ordered so that each topic is spread evenly from the first to the last row.
Selection selectQuestions(const QList<Question> &pool, const BankDefinition &definition);

// Orders questions so that every topic is spread evenly over the list: the i-th of a topic's
// n questions goes to the relative place (i + 0.5) / n. The mock exam draws one question from
// each equal slice of the ID range, so every slice then holds a mix of all topics.
QuestionRefs spreadByTopic(QuestionRefs questions);
