// Two-line message texts whose shorter line stands centred over the longer one.
#pragma once

#include <string>
#include <string_view>

namespace vrk::dialog {

// "first\r\nsecond", the shorter line preceded by as many blanks as centre it over the longer one
// in a proportional font: each character is weighed by its advance in a common sans-serif font
// (a blank weighs about a third of a capital), and the half difference is rounded down to whole
// blanks. Lines of equal weight, or an empty line, get no blanks.
std::string centredMessage(std::string_view first, std::string_view second);

}  // namespace vrk::dialog
