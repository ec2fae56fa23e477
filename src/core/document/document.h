// The document model: lines of text pieces in Courier or Arial, a line optionally ending a page.
#pragma once

#include <string>
#include <vector>

namespace vrk::document {

enum class Font { Courier, Arial };

// Where a document goes; a layout may differ between the two forms.
enum class SinkKind { Screen, Printer };

struct Piece {
  std::string text;  // single-byte (Windows-1252) text
  Font font = Font::Courier;

  bool operator==(const Piece&) const = default;
};

struct Line {
  std::vector<Piece> pieces;
  bool formFeed = false;  // a form feed ends this line: the next line starts a new page

  std::string text() const;  // the pieces' texts joined, fonts not shown
  bool operator==(const Line&) const = default;
};

struct Document {
  std::vector<Line> lines;
  // The size the printer sets the document in, in points; 0: the printer's own (12 points).
  int pointSize = 0;

  int pageCount() const;  // form feeds + 1 (0 for a document without lines)
};

// Plain-text form: lines joined by "\n", a form feed kept as "\f" at the end of its line.
std::string toPlainText(const Document& document);

}  // namespace vrk::document
