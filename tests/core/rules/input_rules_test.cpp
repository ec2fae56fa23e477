#include "core/rules/input_rules.h"

#include <gtest/gtest.h>

namespace vrk::rules {
namespace {

struct RuleCase {
  const char* name;
  bool (*rule)(const std::string&);
  std::string text;
  bool valid;
};

TEST(InputRules, ValidAndInvalidTexts) {
  const std::string elevenDigits = "12345678901";
  const RuleCase cases[] = {
      {"code", isClientCode, "A", true},
      {"code", isClientCode, "1234567", true},
      {"code", isClientCode, "AB12", true},
      {"code", isClientCode, "", false},
      {"code", isClientCode, "ABCDEFGH", false},
      {"code", isClientCode, "ab", false},
      {"code", isClientCode, "A-1", false},
      {"code", isClientCode, "A B", false},
      {"group", isClientGroup, "A", true},
      {"group", isClientGroup, "7", true},
      {"group", isClientGroup, "", false},
      {"group", isClientGroup, "AB", false},
      {"group", isClientGroup, "a", false},
      {"group", isClientGroup, "-", false},
      {"initials", isAttorneyInitials, "J", true},
      {"initials", isAttorneyInitials, "JD", true},
      {"initials", isAttorneyInitials, "JQD", true},
      {"initials", isAttorneyInitials, "JQDX", false},
      {"initials", isAttorneyInitials, "J1", false},
      {"initials", isAttorneyInitials, "jd", false},
      {"initials", isAttorneyInitials, "", false},
      {"month", isMonth, "1", true},
      {"month", isMonth, "12", true},
      {"month", isMonth, "01", true},
      {"month", isMonth, "09", true},
      {"month", isMonth, "0", false},
      {"month", isMonth, "00", false},
      {"month", isMonth, "13", false},
      {"month", isMonth, "", false},
      {"month", isMonth, elevenDigits, false},
      {"whole", isWholeNumber, "0", true},
      {"whole", isWholeNumber, "99999", true},
      {"whole", isWholeNumber, "00042", true},
      {"whole", isWholeNumber, "100000", false},
      {"whole", isWholeNumber, "", false},
      {"whole", isWholeNumber, "-1", false},
      {"whole", isWholeNumber, "1.5", false},
      {"whole", isWholeNumber, elevenDigits, false},
      {"whole", isWholeNumber, "99999999999999999999999", false},
      {"decimal", isDecimalNumber, "12", true},
      {"decimal", isDecimalNumber, "12.5", true},
      {"decimal", isDecimalNumber, ".5", true},
      {"decimal", isDecimalNumber, "12.", true},
      {"decimal", isDecimalNumber, "", true},
      {"decimal", isDecimalNumber, "1.2.3", false},
      {"decimal", isDecimalNumber, "1,200", false},
      {"decimal", isDecimalNumber, "$5", false},
      {"decimal", isDecimalNumber, ".", false},
      {"decimal", isDecimalNumber, "-5", false},
      {"decimal", isDecimalNumber, "1 2", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.rule(c.text), c.valid) << c.name << " '" << c.text << "'";
}

TEST(InputRules, Normalisations) {
  struct Case {
    std::string (*normalise)(std::string);
    std::string in, out;
  };
  const Case cases[] = {
      {fillBlanks, "$_1,2 4.__", "$01,204.00"},
      {fillBlanks, "", ""},
      {stripRateMask, "$01,234.50", "01234.50"},
      {stripRateMask, "$99,999.99", "99999.99"},
      {stripAmountMask, "$00,123,456.78", "00123456.78"},
      {stripAmountMask, "$99,999,999.99", "99999999.99"},
      // By position, not by kind: short texts lose what their positions hold, and nothing breaks.
      {stripRateMask, "$1", "1"},
      {stripAmountMask, "", ""},
      {removeCommas, "1,234,567", "1234567"},
      {removeCommas, "", "0"},
      {removeCommas, "12.5", "12.5"},
      {capitals, "jd", "JD"},
      {capitals, "acme7b", "ACME7B"},
      {capitals, "a-b \xE9", "A-B \xE9"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.normalise(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace vrk::rules
