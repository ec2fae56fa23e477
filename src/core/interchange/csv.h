// Comma-separated files: reading what spreadsheets and other programs write (quoted fields with
// commas, quotes and line breaks; UTF-8 with or without a byte-order mark, or Windows-1252), and
// writing files they read back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vrk::interchange {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct CsvRow {
  int line = 0;  // the file's line (from 1) the row starts on
  std::vector<std::string> fields;  // stored single-byte text; a line break inside is "\n"
};

struct CsvFile {
  std::vector<CsvRow> rows;  // blank lines left out
  std::string error;         // "line N: ..." for a file that cannot be read as CSV; rows then empty
};

// A text file's bytes as stored single-byte text: UTF-8 when it starts with the byte-order mark or
// is valid UTF-8, else Windows-1252 as it stands; characters the stored text cannot hold become '?'.
std::string storedText(std::string_view bytes);

// Reads a whole file, its text decoded by storedText().
CsvFile readCsv(std::string_view bytes);

// One row as a line of a UTF-8 file ending in CRLF: fields holding a comma, quote, line break or
// outer blank are quoted, quotes doubled; a "\n" inside a field is written as CRLF. A row of one
// empty field is written as "" so that it is not read as a blank line.
std::string csvLine(const std::vector<std::string>& storedFields);

}  // namespace vrk::interchange
