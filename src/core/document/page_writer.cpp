#include "core/document/page_writer.h"

#include "core/document/line_builder.h"

namespace vrk::document {

std::string pageField(int pageNumber) { return "-" + std::to_string(pageNumber) + "-"; }

Line footerLine(const FooterStyle& style, int pageNumber, bool showPageField, bool formFeed) {
  LineBuilder builder;
  builder.text(style.text);
  if (showPageField) builder.toColumn(style.pageFieldColumn).text(pageField(pageNumber));
  return formFeed ? builder.endPage() : builder.line();
}

void PageWriter::add(Line line) {
  document_.lines.push_back(std::move(line));
  ++lineCount_;
}

void PageWriter::addBlank(int count) {
  for (int i = 0; i < count; ++i) add(Line{});
}

void PageWriter::fillTo(int lineCount) { addBlank(lineCount - lineCount_); }

void PageWriter::endPage(const FooterStyle& footer) {
  add(footerLine(footer, pageNumber_, true, true));
  nextPage();
}

void PageWriter::finish(const FooterStyle& footer, bool formFeed) {
  add(footerLine(footer, pageNumber_, pageNumber_ > 1, formFeed));
}

void PageWriter::nextPage(int lineCount) {
  ++pageNumber_;
  lineCount_ = lineCount;
}

}  // namespace vrk::document
