#include "core/text/cp1252.h"

#include <gtest/gtest.h>

namespace vrk::text {
namespace {

TEST(Cp1252, StoredBytesToUtf8AndBack) {
  const std::pair<std::string, std::string> cases[] = {
      {"Smith & Co.", "Smith & Co."},
      {"\x80", "\xE2\x82\xAC"},                    // euro sign
      {"\x93Q\x94", "\xE2\x80\x9CQ\xE2\x80\x9D"},  // curly quotes
      {"\x9F", "\xC5\xB8"},                        // Y with diaeresis
      {"\xA0\xE9\xFF", "\xC2\xA0\xC3\xA9\xC3\xBF"},
  };
  for (const auto& [stored, utf8] : cases) {
    EXPECT_EQ(utf8FromCp1252(stored), utf8);
    EXPECT_EQ(cp1252FromUtf8(utf8), stored);
  }
}

TEST(Cp1252, EveryByteRoundTrips) {
  // A record saved again unchanged keeps its bytes, the five unassigned ones included.
  for (int b = 0; b < 256; ++b) {
    const std::string stored(1, static_cast<char>(b));
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(stored)), stored) << b;
  }
  EXPECT_EQ(utf8FromCp1252("\x81"), "\xC2\x81");
}

TEST(Cp1252, UnrepresentableAndMalformedBecomeQuestionMarks) {
  const std::pair<std::string, std::string> cases[] = {
      {"\xE4\xB8\xAD", "?"},        // a CJK character
      {"\xF0\x9F\x98\x80x", "?x"},  // an emoji
      {"\xC2\x80", "?"},            // a C1 control that Windows-1252 spells otherwise
      {"a\xC3", "a?"},              // cut short
      {"\xC3\x28", "?("},           // bad continuation byte
      {"\xC0\xA9", "??"},           // overlong form
      {"\xED\xA0\x80", "???"},      // surrogate
      {"\xFF", "?"},
  };
  for (const auto& [utf8, stored] : cases) EXPECT_EQ(cp1252FromUtf8(utf8), stored);
}

}  // namespace
}  // namespace vrk::text
