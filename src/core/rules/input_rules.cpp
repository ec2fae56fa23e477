#include "core/rules/input_rules.h"

#include <algorithm>

namespace vrk::rules {

namespace {

bool isCodeCharacter(char c) { return isUpperLetter(c) || isDigit(c); }

bool allOf(const std::string& text, bool (*test)(char)) {
  return std::all_of(text.begin(), text.end(), test);
}

// Erases the character at a 0-based position when the text is long enough.
void eraseAt(std::string& text, size_t position) {
  if (position < text.size()) text.erase(position, 1);
}

}  // namespace

bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isClientCode(const std::string& text) {
  return !text.empty() && text.size() <= 7 && allOf(text, isCodeCharacter);
}

bool isClientGroup(const std::string& text) { return text.size() == 1 && isCodeCharacter(text[0]); }

bool isAttorneyInitials(const std::string& text) {
  return !text.empty() && text.size() <= 3 && allOf(text, isUpperLetter);
}

bool isMonth(const std::string& text) {
  int value = 0;
  for (const char c : text) {
    if (!isDigit(c) || value > 12) return false;
    value = value * 10 + (c - '0');
  }
  return !text.empty() && value >= 1 && value <= 12;
}

bool isWholeNumber(const std::string& text) {
  long value = 0;
  for (const char c : text) {
    if (!isDigit(c)) return false;
    value = value * 10 + (c - '0');
    if (value > 99999) return false;
  }
  return !text.empty();
}

bool isDecimalNumber(const std::string& text) {
  int points = 0;
  for (const char c : text) {
    if (c == '.') {
      ++points;
    } else if (!isDigit(c)) {
      return false;
    }
  }
  return points <= 1 && text != ".";
}

std::string fillBlanks(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == ' ' || c == '_'; }, '0');
  return text;
}

std::string stripRateMask(std::string text) {
  eraseAt(text, 0);
  eraseAt(text, 2);
  return text;
}

std::string stripAmountMask(std::string text) {
  eraseAt(text, 0);
  eraseAt(text, 2);
  eraseAt(text, 5);
  return text;
}

std::string removeCommas(std::string text) {
  std::erase(text, ',');
  if (text.empty()) text.push_back('0');
  return text;
}

std::string capitals(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace vrk::rules
