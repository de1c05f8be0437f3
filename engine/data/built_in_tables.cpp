#include "data_path.h"
#include "question_table.h"
#include "table_file.h"

const QuestionTables& BuiltInTables() {
  static const QuestionTables tables(LoadQuestionTable(NativePath("veltdata\\game_table1.tsv")),
                                     LoadQuestionTable(NativePath("veltdata\\game_table2.tsv")),
                                     LoadQuestionTable(NativePath("veltdata\\game_table3.tsv")));
  return tables;
}

namespace {

// Built when the library is loaded, so that the first game does not wait for it.
[[maybe_unused]] const bool g_builtAtLoad = (BuiltInTables(), true);

}  // namespace
