// Text lists: plain text files of CRLF-ended lines; sorted lists are case-insensitive, no duplicates.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vrk::store {

// Splits a text file into its lines. CRLF ends a line; a lone LF or CR is accepted too, and a
// last line without an ending counts. An empty file has no lines.
std::vector<std::string> parseTextList(std::string_view bytes);

// Each line followed by CRLF.
std::string formatTextList(const std::vector<std::string>& lines);

// Case-insensitive comparison of stored (Windows-1252) text: letters compare by their upper-case
// form, accented letters included; everything else by byte value. Negative, zero or positive.
int compareTextIgnoringCase(std::string_view a, std::string_view b);

// Sorted ascending by the comparison above; values that compare equal are kept once (the first).
void sortTextList(std::vector<std::string>& lines);

// True when the lines are as a saved list keeps them: none empty, ascending ignoring case, none
// repeated. A list whose lines pair by position with records of another file must be so, or it
// is damaged: sorting it would pair lines with other lines' records.
bool isKeptInOrder(const std::vector<std::string>& lines);
inline constexpr const char* kListOutOfOrder = "The file's lines are empty, repeated or out of order";

// Index of `value` in a sorted list (compared ignoring case), or -1.
long findInSortedList(const std::vector<std::string>& sorted, std::string_view value);

// Inserts `value` into a sorted list unless an equal value is present; returns its index.
std::size_t insertIntoSortedList(std::vector<std::string>& sorted, const std::string& value);

}  // namespace vrk::store
