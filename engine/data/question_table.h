#pragma once
// The game's built-in question tables: rows of text, answer code and picture name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct QuestionRecord {
  std::u16string text;  // lines separated by "\r\n"
  std::int32_t answerCode;  // 1 to 4 choice A to D, 5 false, 6 true; the count in header rows
  std::u16string image;     // file name in the data directory, or empty
};

class QuestionTable {
 public:
  // A table holding only a header that counts no questions.
  QuestionTable();
  explicit QuestionTable(std::vector<QuestionRecord> rows);

  // The number of question rows, from the header.
  int Count() const { return rows_.front().answerCode; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Row `number`; a number outside the table reads as the header (row 0): text
  // "NULL", no picture, and a code that matches no answer target.
  const QuestionRecord& Row(int number) const;

 private:
  std::vector<QuestionRecord> rows_;  // never empty: row 0 is the header
};

class QuestionTables {
 public:
  QuestionTables() = default;
  QuestionTables(QuestionTable first, QuestionTable second, QuestionTable third);
  // Tables 1 (small cars), 2 (passenger vehicles), 3 (goods vehicles); any
  // other number gives an empty table.
  const QuestionTable& Get(int tableNo) const;

 private:
  QuestionTable tables_[3];
  QuestionTable none_;
};

// The three tables read from the data directory when the library is loaded.
const QuestionTables& BuiltInTables();
