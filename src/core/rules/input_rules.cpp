#include "core/rules/input_rules.h"

namespace vrk::rules {

bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isMonth(const std::string& text) {
  int value = 0;
  for (const char c : text) {
    if (!isDigit(c) || value > 12) return false;
    value = value * 10 + (c - '0');
  }
  return !text.empty() && value >= 1 && value <= 12;
}

}  // namespace vrk::rules
