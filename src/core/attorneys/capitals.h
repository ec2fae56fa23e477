// Typed initials turned to capitals, as leaving an initials box does.
#pragma once

#include <string>

namespace vrk::attorneys {

// Letters a to z become A to Z; every other character stays (and fails the initials rule).
std::string capitals(std::string text);

}  // namespace vrk::attorneys
