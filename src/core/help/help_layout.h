// How a help text is read (paragraphs, headings, list items) and laid out on screen and on paper.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/document/document.h"

namespace vrk::help {

// A help text is written as lines. Empty lines separate paragraphs. A paragraph's first line is
// its heading when it ends in " --"; a paragraph without a heading starts with three blanks (or
// is a title line). The other lines of a paragraph run together into one flow of words, except
// that a line starting with "- " begins a list item of its own, which its indented lines continue
// (a line at the margin after an item begins a new flow).
struct HelpParagraph {
  std::string heading;            // empty when the paragraph has none
  std::vector<std::string> runs;  // flows of words; the leading blanks of a paragraph are kept
};

std::vector<HelpParagraph> parseHelpText(std::string_view text);

// Breaks a flow of words into lines of at most `width` characters; a longer word stands alone.
// Blanks leading the flow stay at the start of its first line.
std::vector<std::string> breakIntoLines(std::string_view run, int width);

// On screen: lines of at most this many characters, not indented, except that the further lines
// of a list item stand under its text rather than under its "- ".
inline constexpr int kScreenLineWidth = 90;
inline constexpr int kScreenItemHang = 2;

// On paper (Courier 12, about 80 characters a line): five empty lines at the top of every page,
// headings indented by five blanks, the text by seven and broken at 66 characters, so no printed
// line is longer than 73. A page holds 60 lines and ends with a form feed when another follows;
// a heading keeps at least two lines of its text on its page.
inline constexpr int kPrintedTopLines = 5;
inline constexpr int kPrintedHeadingIndent = 5;
inline constexpr int kPrintedTextIndent = 7;
inline constexpr int kPrintedTextWidth = 66;
inline constexpr int kPrintedPageLines = 60;

// Both forms of a help text from the one layout.
document::Document layoutHelpText(std::string_view text, document::SinkKind sink);

}  // namespace vrk::help
