#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "table_file.h"

namespace {

const char* kSmallTable =
    "3\tNULL\tNULL\n"
    "3\thb_4.jpg\t图中标志的含义是______。\\r\\nA、桥面变宽\\r\\nB、两侧变宽\\r\\nC、窄桥\\r\\nD、驼峰桥\n"
    "6\t\t机动车行经交叉路口，不得超车。\n"
    "5\t\t  a \\\\ b\\tc \\r\\n\n"
    "3\tNULL\tNULL\n";

}  // namespace

TEST(TableFile, RowsAreReadInOrderWithEscapesAndSpacesKept) {
  QuestionTable table;
  std::string error;
  ASSERT_TRUE(ParseQuestionTable(kSmallTable, table, error)) << error;
  EXPECT_EQ(table.Count(), 3);
  EXPECT_EQ(table.RowCount(), 5);
  EXPECT_TRUE(table.Row(0).text == u"NULL");
  EXPECT_TRUE(table.Row(0).image == u"NULL");
  EXPECT_EQ(table.Row(1).answerCode, 3);
  EXPECT_TRUE(table.Row(1).image == u"hb_4.jpg");
  EXPECT_TRUE(table.Row(1).text == u"图中标志的含义是______。\r\nA、桥面变宽\r\nB、两侧变宽\r\nC、窄桥\r\nD、驼峰桥");
  EXPECT_EQ(table.Row(2).answerCode, 6);
  EXPECT_TRUE(table.Row(2).image.empty());
  EXPECT_TRUE(table.Row(3).text == u"  a \\ b\tc \r\n");
  EXPECT_EQ(table.Row(4).answerCode, 3) << "the extra row after the questions";
}

TEST(TableFile, RowNumbersOutsideTheTableReadTheHeader) {
  QuestionTable table;
  std::string error;
  ASSERT_TRUE(ParseQuestionTable(kSmallTable, table, error));
  for (int number : {-1, 5, 726, 1 << 30}) {
    EXPECT_EQ(&table.Row(number), &table.Row(0)) << number;
  }
  QuestionTable empty;
  EXPECT_EQ(empty.Count(), 0);
  EXPECT_EQ(empty.RowCount(), 1);
  EXPECT_EQ(empty.Row(1).answerCode, 0);
  EXPECT_TRUE(empty.Row(1).text == u"NULL");
}

TEST(TableFile, MalformedContentIsRefusedWithItsLineAndTheTableKept) {
  struct Case {
    std::string content;
    std::string error;
  } cases[] = {
      {"", "no header line"},
      {"1\tNULL\tNULL\n6\tonly two fields\n", "line 2: expected three fields"},
      {"1\tNULL\tNULL\n6\ta\tb\tc\n", "line 2: expected three fields"},
      {"1\tNULL\tNULL\nx6\t\ttext\n", "line 2: answer code is not a number"},
      {"1\tNULL\tNULL\n6 \t\ttext\n", "line 2: answer code is not a number"},
      {"1\tNULL\tNULL\n6\t\tbad \\q escape\n", "line 2: unknown escape"},
      {"1\tNULL\tNULL\n6\t\ttrailing \\\n", "line 2: unknown escape"},
      {"1\tNULL\tNULL\n6\t\t\xD6\xD0\n", "line 2: text is not UTF-8"},
      {"3\tNULL\tNULL\n6\t\ta\n", "header counts 3 questions but the file has 1 rows"},
      {"-1\tNULL\tNULL\n", "header counts -1"},
  };
  for (const Case& c : cases) {
    QuestionTable table;
    std::string error;
    EXPECT_FALSE(ParseQuestionTable(c.content, table, error)) << c.content;
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    EXPECT_EQ(table.Count(), 0);
  }
}

TEST(TableFile, MissingFileGivesAnEmptyTableAndAFileIsLoaded) {
  EXPECT_EQ(LoadQuestionTable("/nonexistent/game_table1.tsv").RowCount(), 1);
  std::filesystem::path path = std::filesystem::temp_directory_path() / "veltaro_table_test.tsv";
  std::ofstream(path, std::ios::binary) << kSmallTable;
  QuestionTable table = LoadQuestionTable(path.string());
  EXPECT_EQ(table.Count(), 3);
  EXPECT_EQ(table.RowCount(), 5);
  std::filesystem::remove(path);
}
