#include "core/interchange/csv.h"

#include <gtest/gtest.h>

namespace vrk::interchange {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows fieldsOf(const CsvFile& file) {
  Rows rows;
  for (const auto& row : file.rows) rows.push_back(row.fields);
  return rows;
}

TEST(Csv, ReadsWhatSpreadsheetsWrite) {
  struct Case {
    const char* what;
    std::string bytes;
    Rows rows;
    std::vector<int> lines;
  };
  const Case cases[] = {
      {"plain, CRLF", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
      {"LF, no last line end, empty fields", "a,,\nc", {{"a", "", ""}, {"c"}}, {1, 2}},
      {"quoted comma, doubled quote", "\"x, y\",\"say \"\"hi\"\"\"\r\n", {{"x, y", "say \"hi\""}}, {1}},
      {"line breaks inside quotes count lines", "\"one\r\ntwo\nthree\",z\r\nnext\r\n",
       {{"one\ntwo\nthree", "z"}, {"next"}}, {1, 4}},
      {"blank lines skipped, an empty quoted field kept", "a\r\n\r\n\"\"\r\n", {{"a"}, {""}}, {1, 3}},
      {"quote inside an unquoted field is text", "5\" tape,x\r\n", {{"5\" tape", "x"}}, {1}},
      {"UTF-8 with byte-order mark", "\xEF\xBB\xBF" "caf\xC3\xA9,\xE2\x82\xAC" "5\r\n", {{"caf\xE9", "\x80" "5"}}, {1}},
      {"UTF-8 without mark", "na\xC3\xAFve\r\n", {{"na\xEFve"}}, {1}},
      {"Windows-1252 (not UTF-8)", "caf\xE9,\x93q\x94\r\n", {{"caf\xE9", "\x93q\x94"}}, {1}},
      {"a character the stored text lacks", "\xE4\xB8\xAD\r\n", {{"?"}}, {1}},
  };
  for (const auto& c : cases) {
    const CsvFile file = readCsv(c.bytes);
    EXPECT_EQ(file.error, "") << c.what;
    EXPECT_EQ(fieldsOf(file), c.rows) << c.what;
    std::vector<int> lines;
    for (const auto& row : file.rows) lines.push_back(row.line);
    EXPECT_EQ(lines, c.lines) << c.what;
  }
}

TEST(Csv, MalformedQuotesAreReportedWithTheirLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\r\nb\r\n\"never closed,\r\nx\r\n", "line 3: a quoted field has no closing quote"},
      {"a\r\n\"closed\"early,x\r\n", "line 2: a quoted field goes on after its closing quote"},
  };
  for (const auto& [bytes, error] : cases) {
    const CsvFile file = readCsv(bytes);
    EXPECT_EQ(file.error, error);
    EXPECT_TRUE(file.rows.empty());
  }
}

TEST(Csv, WrittenLinesReadBackUnchanged) {
  const Rows rows = {{"plain", "with, comma", "with \"quote\"", "two\nlines", " padded ", "", "caf\xE9 \x80"}};
  EXPECT_EQ(csvLine(rows[0]),
            "plain,\"with, comma\",\"with \"\"quote\"\"\",\"two\r\nlines\",\" padded \",,caf\xC3\xA9 \xE2\x82\xAC\r\n");
  EXPECT_EQ(fieldsOf(readCsv(csvLine(rows[0]))), rows);
}

}  // namespace
}  // namespace vrk::interchange
