#include "core/document/document.h"

namespace vrk::document {

std::string Line::text() const {
  std::string out;
  for (const auto& piece : pieces) out += piece.text;
  return out;
}

int Document::pageCount() const {
  if (lines.empty()) return 0;
  int pages = 1;
  for (size_t i = 0; i + 1 < lines.size(); ++i) pages += lines[i].formFeed ? 1 : 0;
  return pages;
}

std::string toPlainText(const Document& document) {
  std::string out;
  for (size_t i = 0; i < document.lines.size(); ++i) {
    if (i > 0) out += '\n';
    out += document.lines[i].text();
    if (document.lines[i].formFeed) out += '\f';
  }
  return out;
}

}  // namespace vrk::document
