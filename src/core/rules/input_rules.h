// The shared input rules and text normalisations: pure functions on the text of one box.
#pragma once

#include <string>

namespace vrk::rules {

// Character tests. "Letter" means an upper-case letter A to Z only.
bool isUpperLetter(char c);
bool isDigit(char c);

// Text rules: each answers valid (true) or invalid.
bool isClientCode(const std::string& text);        // 1 to 7 upper-case letters or digits
bool isClientGroup(const std::string& text);       // exactly 1 upper-case letter or digit
bool isAttorneyInitials(const std::string& text);  // 1 to 3 upper-case letters
bool isMonth(const std::string& text);             // integer value 1..12 (callers check digits)
bool isWholeNumber(const std::string& text);       // not empty, digits only, 0..99999
bool isDecimalNumber(const std::string& text);     // digits and at most one point; not "."; "" passes

// Normalisations.
std::string fillBlanks(std::string text);       // every blank and underscore becomes 0
std::string stripRateMask(std::string text);    // "$01,234.50" -> "01234.50"
std::string stripAmountMask(std::string text);  // "$00,123,456.78" -> "00123456.78"
std::string removeCommas(std::string text);     // "1,234" -> "1234"; "" -> "0"
// What leaving a code, group or initials box does: letters a to z become A to Z; every other
// character stays (and fails the code and initials rules).
std::string capitals(std::string text);

}  // namespace vrk::rules
