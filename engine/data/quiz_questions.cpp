#include "quiz_questions.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ansi_text.h"
#include "wrap_first_line.h"

namespace {

// The longest prefix of GBK text that fits `capacity` bytes with its terminator,
// never ending inside a double-byte character.
std::size_t FittingLength(const std::string& gbk, std::size_t capacity) {
  std::size_t length = 0;
  while (length < gbk.size()) {
    std::size_t step = static_cast<unsigned char>(gbk[length]) >= 0x81 ? 2 : 1;
    if (length + step > capacity - 1) break;
    length += step;
  }
  return std::min(length, gbk.size());
}

}  // namespace

QuizQuestions::QuizQuestions(const std::int32_t* rowNumbers, int rowCount, const QuestionTables& tables)
    : total_(rowNumbers == nullptr ? 0 : std::clamp(rowCount, 0, kRowSlots - 1)),
      tables_(tables),
      table_(&tables.Get(0)) {
  for (int i = 1; i <= total_; ++i) rows_[i] = rowNumbers[i];
}

void QuizQuestions::SelectBank(int tableNo) {
  table_ = &tables_.Get(tableNo);
  current_ = 1;
  textPosition_ = -1;
}

void QuizQuestions::NextQuestion() {
  if (current_ < total_) ++current_;
}

int QuizQuestions::RowAt(int position) const {
  if (position == 0) position = current_;
  if (position < 1 || position > total_) return 0;
  return rows_[position];
}

std::int32_t QuizQuestions::AnswerCode(int position) const { return table_->Row(RowAt(position)).answerCode; }

const char* QuizQuestions::QuestionText(int position) {
  if (position == 0) position = current_;
  if (position == textPosition_) return text_;
  std::memset(text_, 0, sizeof text_);
  std::string gbk = Utf16ToAnsi(WrapFirstLine(table_->Row(RowAt(position)).text));
  std::memcpy(text_, gbk.data(), FittingLength(gbk, sizeof text_));
  textPosition_ = position;
  return text_;
}

const char* QuizQuestions::ImagePath(int position) {
  std::memset(imagePath_, 0, sizeof imagePath_);
  const std::u16string& name = table_->Row(RowAt(position)).image;
  if (name.size() <= 5) return nullptr;
  std::string path = "veltdata\\" + Utf16ToAnsi(name);
  // A cut path would open some other file: a name that does not fit has no picture.
  if (path.size() > sizeof imagePath_ - 1) return nullptr;
  std::memcpy(imagePath_, path.data(), path.size());
  return imagePath_;
}
