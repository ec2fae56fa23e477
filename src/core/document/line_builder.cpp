#include "core/document/line_builder.h"

namespace vrk::document {

std::string rightAligned(std::string_view text, int width) {
  const auto length = static_cast<int>(text.size());
  std::string out(static_cast<size_t>(width > length ? width - length : 0), ' ');
  out += text;
  return out;
}

LineBuilder& LineBuilder::text(std::string_view text) {
  append(text, Font::Courier);
  return *this;
}

LineBuilder& LineBuilder::right(std::string_view text, int width) {
  append(rightAligned(text, width), Font::Courier);
  return *this;
}

LineBuilder& LineBuilder::blanks(int count) {
  append(std::string(static_cast<size_t>(count > 1 ? count : 1), ' '), Font::Courier);
  return *this;
}

LineBuilder& LineBuilder::toColumn(int column) {
  if (column - 1 > length_)
    append(std::string(static_cast<size_t>(column - 1 - length_), ' '), Font::Courier);
  return *this;
}

LineBuilder& LineBuilder::title(std::string_view text) {
  append(text, Font::Arial);
  return *this;
}

Line LineBuilder::endPage() const {
  Line ended = line_;
  ended.formFeed = true;
  return ended;
}

void LineBuilder::append(std::string_view text, Font font) {
  if (text.empty()) return;
  length_ += static_cast<int>(text.size());
  if (!line_.pieces.empty() && line_.pieces.back().font == font) {
    line_.pieces.back().text += text;
  } else {
    line_.pieces.push_back({std::string(text), font});
  }
}

}  // namespace vrk::document
