// Page bookkeeping of a document being built: line count on the current page, page number, footers.
#pragma once

#include <string>

#include "core/document/document.h"

namespace vrk::document {

// The page field of a footer: "-3-".
std::string pageField(int pageNumber);

// Where a document puts its footer: a leading text (may be empty), and the column (from 1) at
// which the page field starts.
struct FooterStyle {
  std::string text;
  int pageFieldColumn = 1;
};

// A footer line: the style's text, then, when asked, blanks up to the page field's column and the
// page field; ended by a form feed when asked.
Line footerLine(const FooterStyle& style, int pageNumber, bool showPageField, bool formFeed);

class PageWriter {
 public:
  explicit PageWriter(int lineCount = 0) : lineCount_(lineCount) {}

  void add(Line line);           // one line on the current page
  void addBlank(int count = 1);  // `count` empty lines
  void fillTo(int lineCount);    // empty lines until the line count reaches `lineCount`

  // Whether a block of `needed` lines fits before the page's threshold: line count + needed < threshold.
  bool fits(int needed, int threshold) const { return lineCount_ + needed < threshold; }

  // A page followed by another: its footer with the page field and a form feed; the next page
  // starts with a line count of 0.
  void endPage(const FooterStyle& footer);
  // The last page's footer: the page field only when there was more than one page; a form feed only
  // when asked (a statement followed by another).
  void finish(const FooterStyle& footer, bool formFeed = false);

  void nextPage(int lineCount = 0);  // page number + 1, line count set (no footer written)
  void setLineCount(int lineCount) { lineCount_ = lineCount; }

  int lineCount() const { return lineCount_; }
  int pageNumber() const { return pageNumber_; }
  const Document& document() const { return document_; }
  Document release() { return std::move(document_); }

 private:
  Document document_;
  int lineCount_ = 0;
  int pageNumber_ = 1;
};

}  // namespace vrk::document
