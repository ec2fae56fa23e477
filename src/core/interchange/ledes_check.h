// LEDES 1998B invoice files, the plain-text e-billing format clients ask law firms for: a check of
// a file before it is sent, naming every line that breaks the layout or does not add up.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vrk::interchange {

struct LedesProblem {
  int line = 0;      // the file's line, from 1; 0 for the file as a whole
  std::string text;  // a short sentence in stored single-byte text
};

// Every problem of a LEDES 1998B file, in line order (empty: the file is valid). The file is read
// as the CSV reader reads one (UTF-8 with or without byte-order mark, else Windows-1252); lines
// end in CRLF or LF. Never throws on any input; a file over 64 MiB is one problem.
std::vector<LedesProblem> checkLedes(std::string_view bytes);

// The second line of every LEDES 1998B file: the 24 field names joined by "|", then "[]".
std::string ledesFieldNamesLine();

// "line N: TEXT", or "file: TEXT" for a problem of the file as a whole.
std::string describe(const LedesProblem& p);

}  // namespace vrk::interchange
