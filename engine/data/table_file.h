#pragma once
// Reading a question table file ("veltdata\\game_tableN.tsv").
//
// The format, agreed with the generator of these files:
// - UTF-8, lines end with LF; line k (from 0) is row k of the table.
// - Each line: <answer code> TAB <image name> TAB <text>.
// - In image and text, "\\", "\r", "\n", "\t" stand for backslash, CR, LF, TAB;
//   nothing else is escaped. Leading and trailing spaces or "\r\n" are kept.
// - Row 0 is the header: code = number of question rows N, image and text "NULL".
// - Rows 1..N are the questions (codes 1-4 choice, 5 false, 6 true). Table 1 has
//   one more row N+1 = 726, identical to the header.
// - A missing or unreadable file gives a table with only a header counting 0.

#include <string>
#include <string_view>

#include "question_table.h"

// Parses a whole file's content; on failure says why (with the line number)
// and leaves `table` untouched.
bool ParseQuestionTable(std::string_view content, QuestionTable& table, std::string& error);

// Reads the file at a native path; a missing or malformed file gives an empty
// table, with the reason written to standard error.
QuestionTable LoadQuestionTable(const std::string& nativePath);
