#include "question_table.h"

#include <utility>

namespace {

QuestionRecord EmptyHeader() { return QuestionRecord{u"NULL", 0, u"NULL"}; }

}  // namespace

QuestionTable::QuestionTable() : rows_{EmptyHeader()} {}

QuestionTable::QuestionTable(std::vector<QuestionRecord> rows) : rows_(std::move(rows)) {
  if (rows_.empty()) rows_.push_back(EmptyHeader());
}

const QuestionRecord& QuestionTable::Row(int number) const {
  if (number < 0 || number >= static_cast<int>(rows_.size())) return rows_.front();
  return rows_[number];
}

QuestionTables::QuestionTables(QuestionTable first, QuestionTable second, QuestionTable third)
    : tables_{std::move(first), std::move(second), std::move(third)} {}

const QuestionTable& QuestionTables::Get(int tableNo) const {
  if (tableNo < 1 || tableNo > 3) return none_;
  return tables_[tableNo - 1];
}
