// Assembles one printed line from pieces: text, right-aligned fields, blank runs, an Arial title.
#pragma once

#include <string>
#include <string_view>

#include "core/document/document.h"

namespace vrk::document {

// The text right-aligned in a field of `width` characters, padded on the left with blanks; a width
// not above the text's length (zero or negative included) gives the text unpadded.
std::string rightAligned(std::string_view text, int width);

class LineBuilder {
 public:
  LineBuilder& text(std::string_view text);              // plain text, Courier
  LineBuilder& right(std::string_view text, int width);  // right-aligned in a field of `width`
  LineBuilder& blanks(int count);                        // max(count, 1) blanks
  LineBuilder& toColumn(int column);          // blanks until the next character falls in `column` (from 1)
  LineBuilder& title(std::string_view text);  // text in Arial; Courier again after it

  int length() const { return length_; }  // characters written so far
  Line line() const { return line_; }
  Line endPage() const;  // the line ended by a form feed

 private:
  void append(std::string_view text, Font font);

  Line line_;
  int length_ = 0;
};

}  // namespace vrk::document
