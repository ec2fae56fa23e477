#include "core/statements/activity_reports.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vrk::statements {
namespace {

std::vector<std::string> texts(const document::Document& document) {
  std::vector<std::string> lines;
  for (const auto& line : document.lines) lines.push_back(line.text() + (line.formFeed ? "\f" : ""));
  return lines;
}

TEST(ActivityReports, AttorneyColumnsTotalsAndTheBillingFigures) {
  GroupActivity activity;
  activity.attorneys = {{1.5, 2.0, 0.5, 10.0, 2500.0}, {0, 0, 0, 0, 0}};
  activity.totals.hourlyFees = 1000;
  activity.totals.retainerFees = 200;
  activity.totals.lateCharges = 15;
  activity.totals.costs = 50;
  activity.totals.credits = 25;
  activity.totals.attorneyHours = 14;
  const auto lines = texts(groupActivityReports({"AB", "JD"}, activity, {"A", "072001", {2001, 8, 3}}, true));

  EXPECT_EQ(lines.at(6), std::string(25, ' ') + "Attorney Activity Report - Client Group \"A\"");
  EXPECT_EQ(lines.at(10), "    Billing Period:  07/2001");
  EXPECT_EQ(lines.at(12), "    Statement Date:  8/3/2001");
  // Overhead ends in column 21, then 33, 44, 55, the total (without overhead) in 66, fees in 78.
  EXPECT_EQ(lines.at(18), "         AB" + std::string(7, ' ') + "1.5" + std::string(9, ' ') + "2.0" +
                              std::string(8, ' ') + "0.5" + std::string(7, ' ') + "10.0" + std::string(7, ' ') +
                              "12.5" + std::string(3, ' ') + "$2,500.00");
  EXPECT_EQ(lines.at(19).size(), 78u);
  EXPECT_EQ(lines.at(21).substr(0, 21), "      TOTALS      1.5");
  EXPECT_EQ(lines.at(21).back(), '\f');  // a one-page attorney report ends its page on its last line
  const auto find = [&](const std::string& start) {
    for (const auto& line : lines)
      if (line.rfind(start, 0) == 0) return line;
    return std::string("(missing)");
  };
  EXPECT_EQ(find("      Total Billings For This Client Group = "), "      Total Billings For This Client Group = $1,240.00");
  EXPECT_EQ(find("      Total Attorney Hours"), "      Total Attorney Hours For This Client Group = 14.0");
  EXPECT_EQ(lines.back(), "      Total Of Balances Now Due For This Client Group = $0.00\f");
  EXPECT_EQ(groupActivityReports({"AB"}, activity, {"A", "072001", {2001, 8, 3}}, false).lines.back().formFeed, false);
}

TEST(ActivityReports, ALongAttorneyListRunsOntoMorePages) {
  std::vector<std::string> initials;
  for (char c = 'A'; c <= 'Z'; ++c)
    for (char d : {'A', 'B'}) initials.push_back(std::string{c, d});
  GroupActivity activity;
  const auto lines = texts(groupActivityReports(initials, activity, {"B", "122000", {2001, 1, 5}}, false));
  // 39 attorneys fill page 1 (a line that would bring the count to 60 moves on); 3 blank lines,
  // the page field and a form feed end it; the headings start again on page 2.
  EXPECT_EQ(lines.at(56).substr(0, 11), "         TA");
  EXPECT_EQ(lines.at(60), std::string(40, ' ') + "-1-\f");
  EXPECT_EQ(lines.at(67), std::string(25, ' ') + "Attorney Activity Report - Client Group \"B\"");
  // The last attorney page is closed at line 60 with its page field before the billing report.
  const auto billing = std::find(lines.begin(), lines.end(),
                                 std::string(26, ' ') + "Billing Activity Report - Client Group \"B\"");
  ASSERT_NE(billing, lines.end());
  EXPECT_EQ(*(billing - 7), std::string(40, ' ') + "-2-\f");
}

}  // namespace
}  // namespace vrk::statements
