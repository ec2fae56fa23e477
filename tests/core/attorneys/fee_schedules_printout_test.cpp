#include "core/attorneys/fee_schedules_printout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/attorneys/register_fixture.h"

namespace vrk::attorneys {
namespace {

AttorneyRegister attorneys(int count, int schedules) {
  std::vector<test::Attorney> list;
  for (int i = 0; i < count; ++i) {
    const std::string initials{static_cast<char>('A' + i / 26), static_cast<char>('A' + i % 26)};
    list.push_back({initials, std::vector<std::string>(static_cast<std::size_t>(schedules), "00250.00")});
  }
  return test::makeRegister(list, schedules);
}

}  // namespace

TEST(FeeSchedulesPrintout, NineteenRowsOnASectionsFirstPageAndTwentyOnTheNext) {
  struct Case {
    int attorneys, schedules;
    std::vector<std::string> footers;
  };
  const std::string footer = "      Fee Schedules";
  const std::string gap(21, ' ');
  const Case cases[] = {
      {0, 1, {footer}},
      {19, 5, {footer}},
      {20, 5, {footer + gap + " -1-", footer + gap + "-2-"}},
      {39, 3, {footer + gap + " -1-", footer + gap + "-2-"}},
      {40, 3, {footer + gap + " -1-", footer + gap + " -2-", footer + gap + "-3-"}},
      {3, 6, {footer + gap + "-1-", footer + gap + "-2-"}},
      {26, 7, {footer + gap + " -1-", footer + gap + "-2-", footer + gap + " -3-", footer + gap + "-4-"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.attorneys) + " attorneys, " + std::to_string(c.schedules) + " schedules");
    const auto printout = feeSchedulesPrintout(attorneys(c.attorneys, c.schedules), "072001", {2001, 8, 3});
    std::vector<std::string> footers;
    int rows = 0;
    for (std::size_t i = 0; i < printout.lines.size(); ++i) {
      const auto& line = printout.lines[i];
      if (line.text().rfind("       ", 0) == 0 && line.text().find("$250.00") != std::string::npos) ++rows;
      if (line.text().rfind(footer, 0) == 0) {
        footers.push_back(line.text());
        EXPECT_EQ(i % 60, 59u);  // every page is 60 lines, the footer last
        EXPECT_EQ(line.formFeed, i + 1 < printout.lines.size());
      }
    }
    EXPECT_EQ(footers, c.footers);
    EXPECT_EQ(rows, c.attorneys * (c.schedules > 5 ? 2 : 1));
    EXPECT_EQ(printout.lines.size(), 60 * c.footers.size());
  }
}

TEST(FeeSchedulesPrintout, EveryRateRightAlignedInATwelveCharacterField) {
  const auto reg = test::makeRegister({{"AB", {"9.5", "0", "250", "99999.99"}}}, 4);
  const auto printout = feeSchedulesPrintout(reg, "072001", {2001, 8, 3});
  const std::string row =
      std::string(7, ' ') + "AB    " + "       $9.50" + "       $0.00" + "     $250.00" + "  $99,999.99";
  const auto rows = std::count_if(printout.lines.begin(), printout.lines.end(),
                                  [&](const auto& line) { return line.text() == row; });
  EXPECT_EQ(rows, 1);
}

}  // namespace vrk::attorneys
