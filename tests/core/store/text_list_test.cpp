#include "core/store/text_list.h"

#include <gtest/gtest.h>

namespace vrk::store {

TEST(TextList, ParsesLineEndingsAsWritten) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"ACME\r\nBETA1\r\n", {"ACME", "BETA1"}},
      {"ACME\r\nBETA1", {"ACME", "BETA1"}},
      {"ACME\r\nB", {"ACME", "B"}},
      {"A\nB\rC\r\n", {"A", "B", "C"}},
      {"A\r\n\r\nB\r\n", {"A", "", "B"}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseTextList(c.bytes), c.lines) << c.bytes;
  EXPECT_EQ(formatTextList({"A", "B"}), "A\r\nB\r\n");
}

TEST(TextList, SortedListsIgnoreCaseAndDropDuplicates) {
  std::vector<std::string> lines{"beta", "ALPHA", "Beta", "1", "alpha", "B2", "\xE9t\xE9", "ZED"};
  sortTextList(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"1", "ALPHA", "B2", "beta", "ZED", "\xE9t\xE9"}));
  // Windows-1252 case pairs, the ends of each folded range included, and neighbours that differ.
  struct Pair {
    const char *a, *b;
    bool same;
  };
  const Pair pairs[] = {
      {"a", "A", true},        {"z", "Z", true},       {"`", "@", false},      {"{", "[", false},
      {"\xE0", "\xC0", true},  {"\xE9", "\xC9", true}, {"\xFE", "\xDE", true}, {"\xDF", "\xBF", false},
      {"\xF7", "\xD7", false}, {"\x9A", "\x8A", true}, {"\x9E", "\x8E", true}, {"\xFF", "\x9F", true},
  };
  for (const auto& p : pairs) EXPECT_EQ(compareTextIgnoringCase(p.a, p.b) == 0, p.same) << p.a << " " << p.b;
  EXPECT_LT(compareTextIgnoringCase("AB", "ABC"), 0);
  EXPECT_EQ(findInSortedList(lines, "Zed"), 4);
  EXPECT_EQ(findInSortedList(lines, "C"), -1);
  EXPECT_EQ(insertIntoSortedList(lines, "C"), 4u);
  EXPECT_EQ(insertIntoSortedList(lines, "c"), 4u);  // already there: not added twice
  EXPECT_EQ(lines.size(), 7u);
}

}  // namespace vrk::store
