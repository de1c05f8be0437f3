#include "table_file.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "ansi_text.h"

namespace {

bool Unescape(std::string_view field, std::string& out) {
  out.clear();
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      out += field[i];
      continue;
    }
    if (++i == field.size()) return false;
    switch (field[i]) {
      case '\\': out += '\\'; break;
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      default: return false;
    }
  }
  return true;
}

bool ParseLine(std::string_view line, QuestionRecord& record, std::string& why) {
  size_t tab1 = line.find('\t');
  size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
  if (tab2 == std::string_view::npos || line.find('\t', tab2 + 1) != std::string_view::npos) {
    why = "expected three fields separated by TAB";
    return false;
  }
  std::string_view code = line.substr(0, tab1);
  auto [end, ec] = std::from_chars(code.data(), code.data() + code.size(), record.answerCode);
  if (ec != std::errc() || end != code.data() + code.size()) {
    why = "answer code is not a number";
    return false;
  }
  std::string image;
  std::string text;
  if (!Unescape(line.substr(tab1 + 1, tab2 - tab1 - 1), image) || !Unescape(line.substr(tab2 + 1), text)) {
    why = "unknown escape (only \\\\ \\r \\n \\t)";
    return false;
  }
  if (!IsValidUtf8(image) || !IsValidUtf8(text)) {
    why = "text is not UTF-8";
    return false;
  }
  record.image = Utf8ToUtf16(image);
  record.text = Utf8ToUtf16(text);
  return true;
}

}  // namespace

bool ParseQuestionTable(std::string_view content, QuestionTable& table, std::string& error) {
  std::vector<QuestionRecord> rows;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    QuestionRecord record;
    std::string why;
    if (!ParseLine(content.substr(start, end - start), record, why)) {
      error = "line " + std::to_string(rows.size() + 1) + ": " + why;
      return false;
    }
    rows.push_back(std::move(record));
    start = end + 1;
  }
  if (rows.empty()) {
    error = "no header line";
    return false;
  }
  int count = rows.front().answerCode;
  if (count < 0 || count > static_cast<int>(rows.size()) - 1) {
    error = "header counts " + std::to_string(count) + " questions but the file has " +
            std::to_string(rows.size() - 1) + " rows after it";
    return false;
  }
  table = QuestionTable(std::move(rows));
  return true;
}

QuestionTable LoadQuestionTable(const std::string& nativePath) {
  QuestionTable table;
  std::ifstream file(nativePath, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "question table %s: cannot be read; the table is empty\n", nativePath.c_str());
    return table;
  }
  std::ostringstream content;
  content << file.rdbuf();
  std::string error;
  if (!ParseQuestionTable(content.str(), table, error)) {
    std::fprintf(stderr, "question table %s: %s; the table is empty\n", nativePath.c_str(), error.c_str());
  }
  return table;
}
