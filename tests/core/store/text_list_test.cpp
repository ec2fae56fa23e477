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
  EXPECT_EQ(compareTextIgnoringCase("\xE9", "\xC9"), 0);  // é and É
  EXPECT_LT(compareTextIgnoringCase("AB", "ABC"), 0);
  EXPECT_EQ(findInSortedList(lines, "Zed"), 4);
  EXPECT_EQ(findInSortedList(lines, "C"), -1);
  EXPECT_EQ(insertIntoSortedList(lines, "C"), 4u);
  EXPECT_EQ(insertIntoSortedList(lines, "c"), 4u);  // already there: not added twice
  EXPECT_EQ(lines.size(), 7u);
}

}  // namespace vrk::store
