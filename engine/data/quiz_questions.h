#pragma once
// The questions of one game: row numbers into one built-in table, the position
// on screen, and the text and picture path of a row as the game draws them.

#include <array>
#include <cstddef>
#include <cstdint>

#include "question_table.h"

class QuizQuestions {
 public:
  static constexpr int kRowSlots = 1300;  // position 0 unused, so at most 1299 questions
  static constexpr std::size_t kTextBytes = 1000;
  static constexpr std::size_t kImagePathBytes = 100;

  // Copies elements 1 to rowCount of rowNumbers (element 0 is not read). A count
  // outside 0 to 1299 is clamped, so nothing is written beyond the row slots.
  QuizQuestions(const std::int32_t* rowNumbers, int rowCount, const QuestionTables& tables = BuiltInTables());
  QuizQuestions(const QuizQuestions&) = delete;
  QuizQuestions& operator=(const QuizQuestions&) = delete;

  // 1, 2 or 3 chooses that table; any other number an empty one. Back to position 1.
  void SelectBank(int tableNo);
  int CurrentIndex() const { return current_; }
  int Total() const { return total_; }
  // One position on, unless already at the last.
  void NextQuestion();

  // Position 0 means the current one. A position outside 1 to total, or a row
  // number outside the table, reads the table's header row.
  int RowAt(int position) const;
  std::int32_t AnswerCode(int position = 0) const;
  // The row's text wrapped and in GBK, in a buffer that stays valid until the
  // next call; the same position within this game reuses it.
  const char* QuestionText(int position = 0);
  // "veltdata\\" and the picture name in GBK, or null when the row has no picture.
  const char* ImagePath(int position = 0);

 protected:
  int total_;
  std::array<std::int32_t, kRowSlots> rows_{};
  int current_ = 1;
  const QuestionTables& tables_;
  const QuestionTable* table_;

 private:
  int textPosition_ = -1;  // the position whose text the buffer holds
  char text_[kTextBytes] = {};
  char imagePath_[kImagePathBytes] = {};
};
