#include "core/reports/cumulative_reports.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/matters/matter_lists.h"
#include "core/matters/matter_messages.h"
#include "core/records/billing_table.h"
#include "core/reports/cumulative_payments.h"
#include "core/store/catalogue.h"
#include "core/store/dates.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"

namespace vrk::reports {
namespace {

std::vector<std::string> texts(const document::Document& document) {
  std::vector<std::string> lines;
  for (const auto& line : document.lines) lines.push_back(line.text() + (line.formFeed ? "\f" : ""));
  return lines;
}

// A data directory whose month folders are copies of the sample office's July 2001 folder.
class Office {
 public:
  explicit Office(const std::vector<std::string>& periods) {
    test::copySampleOffice(folder_.path());
    for (const auto& period : periods)
      if (period != "072001") std::filesystem::copy(folder_ / "072001", folder_ / period);
  }
  std::string path() const { return folder_.path().string() + "/"; }
  std::filesystem::path month(const std::string& period) const { return folder_ / period; }

  void addCost(const std::string& period, const std::string& client, const std::string& matter, double date,
               const std::string& description, const std::string& amount, std::int32_t kind = records::kCost) const {
    store::Transaction tx(month(period));
    store::RecordTable table(store::costCreditRecordTable(), tx);
    records::CostCreditRecord record;
    record.kind = kind;
    record.amount = amount;
    record.description[0] = description;
    table.add(records::toKey({client, matter, date}), records::encodeCostCreditRecord(record));
    tx.commit();
  }
  void addTime(const std::string& period, const std::string& matter, double date, const std::string& initials,
               const std::string& hours, const std::string& rate = {}) const {
    store::Transaction tx(month(period));
    store::RecordTable table(store::timeRecordTable(), tx);
    records::TimeRecord record;
    record.initials = initials;
    record.time = hours;
    record.rate = rate;
    record.description[0] = initials + " " + period;
    table.add(records::toKey({"ACME", matter, date}), records::encodeTimeRecord(record));
    tx.commit();
  }
  void removeMatter(const std::string& period, const std::string& client, const std::string& number) const {
    store::Transaction tx(month(period));
    store::RecordTable matters(store::matterTable(), tx);
    matters.remove(*matters::findMatter(matters, {client, number}));
    tx.commit();
  }

 private:
  test::TempFolder folder_;
};

const store::CalendarDate kToday{2001, 7, 5};

PeriodRange range(int m1, int y1, int m2, int y2) { return {m1, y1, m2, y2}; }

TEST(CumulativePeriods, BoxesAreCheckedInOrderAndTheRangeOnlyWhenAllFourPass) {
  struct Case {
    PeriodBoxes boxes;
    std::string message;  // empty: valid
  };
  const Case cases[] = {
      {{"7", "2001", "7", "2001"}, ""},
      {{"07", "2001", "12", "2001"}, ""},
      {{"11", "2000", "2", "2001"}, ""},
      {{"", "2001", "7", "2001"}, kInvalidBeginningMonth},
      {{"13", "2001", "7", "2001"}, kInvalidBeginningMonth},
      {{"0", "2001", "7", "2001"}, kInvalidBeginningMonth},
      {{"007", "2001", "7", "2001"}, kInvalidBeginningMonth},
      {{"1a", "2001", "7", "2001"}, kInvalidBeginningMonth},
      {{" 7", "2001", "7", "2001"}, kInvalidBeginningMonth},
      {{"13", "20O1", "13", "x"}, kInvalidBeginningMonth},  // the first failure only
      {{"7", "201", "7", "2001"}, kInvalidBeginningYear},
      {{"7", "20O0", "7", "2001"}, kInvalidBeginningYear},
      {{"7", "02001", "7", "2001"}, kInvalidBeginningYear},
      {{"7", "2001", "13", "2001"}, kInvalidFinalMonth},
      {{"7", "2001", "7", ""}, kInvalidFinalYear},
      {{"8", "2001", "7", "2001"}, kBeginningAfterFinal},
      {{"1", "2002", "12", "2001"}, kBeginningAfterFinal},
      // A later beginning is only reported when every box is itself valid.
      {{"8", "2002", "7", "200"}, kInvalidFinalYear},
      {{"8", "2002", "13", "2001"}, kInvalidFinalMonth},
  };
  for (const auto& c : cases) {
    const PeriodCheck check = checkPeriodBoxes(c.boxes);
    SCOPED_TRACE(c.boxes.beginningMonth + "/" + c.boxes.beginningYear + " " + c.boxes.finalMonth + "/" +
                 c.boxes.finalYear);
    EXPECT_EQ(check.message, c.message);
    EXPECT_EQ(check.range.has_value(), c.message.empty());
  }
}

TEST(CumulativePeriods, TheWalkGoesFromDecemberToJanuary) {
  struct Case {
    PeriodRange range;
    std::vector<std::string> periods;
  };
  const Case cases[] = {
      {range(7, 2001, 7, 2001), {"072001"}},
      {range(11, 2000, 2, 2001), {"112000", "122000", "012001", "022001"}},
      {range(12, 1999, 1, 2000), {"121999", "012000"}},
      {range(1, 2000, 12, 2000),
       {"012000", "022000", "032000", "042000", "052000", "062000", "072000", "082000", "092000", "102000", "112000",
        "122000"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.range.periods(), c.periods);
    EXPECT_EQ(c.range.monthCount(), static_cast<int>(c.periods.size()));
  }
  EXPECT_EQ(range(3, 2000, 11, 2001).beginningText(), "03/2000");
  EXPECT_EQ(range(3, 2000, 11, 2001).finalText(), "11/2001");
  EXPECT_EQ(presetPeriodBoxes("072001").beginningMonth, "7");
  EXPECT_EQ(presetPeriodBoxes("122001").finalMonth, "12");
}

TEST(CumulativeCosts, MonthsAreVisitedInOrderAndMissingOnesSkipped) {
  const Office office({"102000", "112000", "122000", "012001", "022001", "032001", "072001"});
  for (const std::string period : {"102000", "112000", "122000", "012001", "022001", "032001"})
    office.addCost(period, "ACME", "1", 37076, "cost of " + period, "1.00");
  // January's table has lost its data file: the month is skipped, as is a month without a folder.
  std::filesystem::remove(office.month("012001") / store::files::kCostCreditRecordData);

  std::vector<std::pair<int, int>> steps;
  const auto entries = gatherCostCredits(office.path(), "ACME", "1", range(11, 2000, 2, 2001), MatterReportKind::Costs,
                                         [&](int done, int total) { steps.emplace_back(done, total); });
  std::vector<std::string> shown;
  for (const auto& entry : entries) shown.push_back(entry.description[0]);
  EXPECT_EQ(shown, (std::vector<std::string>{"Filing fee", "cost of 112000", "Filing fee", "cost of 122000",
                                             "Filing fee", "cost of 022001"}));
  EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));

  // Months whose folders do not exist at all count their progress steps and give nothing.
  steps.clear();
  EXPECT_TRUE(gatherCostCredits(office.path(), "ACME", "1", range(4, 2001, 6, 2001), MatterReportKind::Costs,
                                [&](int done, int total) { steps.emplace_back(done, total); })
                  .empty());
  EXPECT_EQ(steps.size(), 3u);
}

TEST(CumulativeCosts, EachReportTakesOnlyItsKindOfTheMattersRecords) {
  const Office office({"072001"});
  office.addCost("072001", "ACME", "012", 37080, "other matter", "9.00");
  office.addCost("072001", "ACME", "1", 37090, "late credit", "3.00", records::kCredit);
  office.addCost("072001", "BETA1", "1", 37090, "other client", "4.00");
  struct Case {
    std::string matter;
    MatterReportKind kind;
    std::vector<std::string> descriptions;
    double total;
  };
  const Case cases[] = {
      {"1", MatterReportKind::Costs, {"Filing fee"}, 125.00},
      {"001", MatterReportKind::Costs, {"Filing fee"}, 125.00},  // the number compared by value
      {"1", MatterReportKind::Credits, {"Courtesy discount", "late credit"}, 28.00},
      {"12", MatterReportKind::Costs, {"other matter"}, 9.00},
      {"12", MatterReportKind::Credits, {}, 0},
      {"7", MatterReportKind::Costs, {}, 0},
  };
  for (const auto& c : cases) {
    const auto entries = gatherCostCredits(office.path(), "ACME", c.matter, range(7, 2001, 7, 2001), c.kind);
    std::vector<std::string> shown;
    double total = 0;
    for (const auto& entry : entries) {
      shown.push_back(entry.description[0]);
      total += entry.amount;
    }
    EXPECT_EQ(shown, c.descriptions) << c.matter;
    EXPECT_DOUBLE_EQ(total, c.total) << c.matter;
  }
}

TEST(CumulativeHours, RatesInEffectAndCustomRatesValueTheSameRecordsDifferently) {
  // ACME/1 in July: JD 2.5 h without a special rate, AB 0.3 h with a special rate of 0 (no
  // charge); ACME/012: AB 1.25 h at a special 1,250.00. Schedule 1: JD 250.
  const Office office({"072001"});
  struct Case {
    std::string matter;
    RateChoice choice;
    std::vector<std::optional<double>> fees;
    std::vector<std::string> asked;
  };
  const Case cases[] = {
      {"1", RateChoice::InEffect, {625.0, 0.0}, {}},
      {"1", RateChoice::Custom, {2.5 * 100, 0.3 * 40}, {"JD", "AB"}},
      {"012", RateChoice::InEffect, {1.25 * 1250}, {}},
      {"012", RateChoice::Custom, {1.25 * 40}, {"AB"}},  // the special rate gives way to the custom one
  };
  for (const auto& c : cases) {
    std::vector<std::string> asked;
    const auto report = gatherHoursAndFees(office.path(), "ACME", c.matter, range(7, 2001, 7, 2001), c.choice,
                                           [&](const std::string& initials) {
                                             asked.push_back(initials);
                                             return initials == "JD" ? 100.0 : 40.0;
                                           });
    std::vector<std::optional<double>> fees;
    for (const auto& entry : report.entries) fees.push_back(entry.fee);
    ASSERT_EQ(fees.size(), c.fees.size()) << c.matter;
    for (std::size_t k = 0; k < fees.size(); ++k) EXPECT_DOUBLE_EQ(fees[k].value_or(-1), *c.fees[k]) << c.matter;
    EXPECT_EQ(asked, c.asked) << c.matter;
  }
}

TEST(CumulativeHours, RatesAreAskedOncePerAttorneyInTheOrderMetAndTheSummaryIsAlphabetical) {
  const Office office({"062001", "072001"});
  office.addTime("062001", "1", 37085, "MKL", "1.0");
  office.addTime("062001", "1", 37086, "JD", "2.0");
  office.addTime("072001", "1", 37090, "MKL", "0.5");
  std::vector<std::string> asked;
  const auto report = gatherHoursAndFees(office.path(), "ACME", "1", range(6, 2001, 7, 2001), RateChoice::Custom,
                                         [&](const std::string& initials) {
                                           asked.push_back(initials);
                                           return 10.0;
                                         });
  // June: JD 2.5, AB 0.3 (sample), MKL 1.0, JD 2.0; July: the same two, then MKL 0.5.
  EXPECT_EQ(asked, (std::vector<std::string>{"JD", "AB", "MKL"}));
  ASSERT_EQ(report.attorneys.size(), 3u);
  const std::pair<std::string, double> expected[] = {{"AB", 0.6}, {"JD", 7.0}, {"MKL", 1.5}};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(report.attorneys[k].initials, expected[k].first);
    EXPECT_NEAR(report.attorneys[k].hours, expected[k].second, 1e-9);
    EXPECT_NEAR(report.attorneys[k].fees, expected[k].second * 10, 1e-9);
  }
}

TEST(CumulativeHours, AMonthWithoutTheMatterOrARateIsHandledByTheChoice) {
  const Office office({"062001", "072001"});
  office.removeMatter("062001", "ACME", "1");   // June's matter table lacks ACME/1
  office.addTime("072001", "1", 37090, "ZZ", "4.0");  // an attorney not in July's list
  struct Case {
    RateChoice choice;
    std::size_t entries;
    double hours;
    double fees;
    std::size_t noRate;
  };
  const Case cases[] = {
      // June left out; July: JD 625 + AB no charge, ZZ without a rate but with its hours.
      {RateChoice::InEffect, 3, 2.5 + 0.3 + 4.0, 625.0, 1},
      // Custom rates need no matter table: June's two records count too.
      {RateChoice::Custom, 5, 2 * 2.8 + 4.0, (2 * 2.8 + 4.0) * 10, 0},
  };
  for (const auto& c : cases) {
    const auto report = gatherHoursAndFees(office.path(), "ACME", "1", range(6, 2001, 7, 2001), c.choice,
                                           [](const std::string&) { return 10.0; });
    double hours = 0;
    double fees = 0;
    std::size_t noRate = 0;
    for (const auto& entry : report.entries) {
      hours += entry.hours;
      fees += entry.fee.value_or(0);
      if (!entry.fee) ++noRate;
    }
    EXPECT_EQ(report.entries.size(), c.entries);
    EXPECT_NEAR(hours, c.hours, 1e-9);
    EXPECT_NEAR(fees, c.fees, 1e-9);
    EXPECT_EQ(noRate, c.noRate);
  }
  const auto inEffect = gatherHoursAndFees(office.path(), "ACME", "1", range(7, 2001, 7, 2001), RateChoice::InEffect, {});
  const auto layout = texts(hoursAndFeesReportLayout({{}, range(7, 2001, 7, 2001), kToday}, inEffect));
  const std::string zz = "      07/18/2001 ZZ 072001" + std::string(42 - 9, ' ') + "ZZ   4.0   NO RATE";
  EXPECT_NE(std::find(layout.begin(), layout.end(), zz), layout.end());
  // The attorney summary still counts ZZ's hours, with no fees.
  const std::string summary = std::string(21, ' ') + "ZZ" + std::string(15, ' ') + "4.0" + std::string(13, ' ') + "$0.00";
  EXPECT_NE(std::find(layout.begin(), layout.end(), summary), layout.end());
}

std::vector<CostCreditEntry> costs(int count) {
  std::vector<CostCreditEntry> entries;
  for (int k = 0; k < count; ++k) entries.push_back({37073.0 + k, {"Item " + std::to_string(k), "", "", ""}, 1.5});
  return entries;
}

TEST(CumulativeLayout, CostEntriesBreakPagesAtLine54WithTheHeadingRepeated) {
  const MatterReportHeading heading{{"Acme Widgets", "", "Matter 1"}, range(6, 2001, 7, 2001), kToday};
  // Heading: 5 blanks, 2 title lines, 2 blanks, 3 period lines, 1 blank = 13 lines; each entry 2.
  struct Case {
    int entries;
    int pages;
  };
  // 19 entries reach 51 and the rule 52: one page. 20 reach 53 and the rule 54, where the total
  // block moves to page 2; the 22nd entry itself starts page 2.
  const Case cases[] = {{0, 1}, {19, 1}, {20, 2}, {21, 2}, {22, 2}};
  for (const auto& c : cases) {
    const auto document = costCreditReportLayout(heading, MatterReportKind::Costs, costs(c.entries));
    EXPECT_EQ(document.pageCount(), c.pages) << c.entries;
    const auto lines = texts(document);
    if (c.pages == 1) {
      const std::string total = "$" + std::to_string(c.entries * 3 / 2) + (c.entries % 2 ? ".50" : ".00");
      EXPECT_EQ(lines.back(), std::string(26, ' ') + "Total Costs For This Matter" +
                                  std::string(20 - total.size(), ' ') + total)
          << c.entries;
      continue;
    }
    EXPECT_EQ(lines[61], std::string(39, ' ') + "-1-\f") << c.entries;
    EXPECT_EQ(lines[62 + 5], "      Acme Widgets");
    EXPECT_EQ(lines.back(), std::string(39, ' ') + "-" + std::to_string(c.pages) + "-");
  }
  const auto lines = texts(costCreditReportLayout(heading, MatterReportKind::Credits, costs(1)));
  const std::vector<std::string> top(lines.begin(), lines.begin() + 18);
  EXPECT_EQ(top, (std::vector<std::string>{"", "", "", "", "", "      Acme Widgets", "      Matter 1", "", "",
                                           "         Beginning Billing Period: 06/2001",
                                           "         Final Billing Period:     07/2001",
                                           "         Date Of This Report:     7/5/2001", "", "",
                                           "      07/01/2001 Item 0" + std::string(56 - 6 - 5, ' ') + "$1.50",
                                           std::string(61, ' ') + "____________", "",
                                           std::string(26, ' ') + "Total Credits For This Matter" +
                                               std::string(15, ' ') + "$1.50"}));
}

TEST(CumulativeLayout, HoursReportEndsWithTheAttorneySummaryOnItsOwnPage) {
  HoursAndFees report;
  report.entries.push_back({37073, {"Research", "second line", "", "", "", ""}, "AB", 1.25, 187.5});
  report.entries.push_back({37074, {"Call", "", "", "", "", ""}, "MKL", 10, 955.0});
  report.attorneys = {{"AB", 1.25, 187.5, 0}, {"MKL", 10, 955.0, 0}};
  const auto lines = texts(hoursAndFeesReportLayout({{"T"}, range(7, 2001, 7, 2001), kToday}, report));
  // Heading of 12 lines, then the entries.
  EXPECT_EQ(lines[13], "      07/01/2001 Research" + std::string(42 - 8, ' ') + "AB   1.3   $187.50");
  EXPECT_EQ(lines[14], std::string(17, ' ') + "second line");
  EXPECT_EQ(lines[16], "      07/02/2001 Call" + std::string(42 - 4, ' ') + "MKL 10.0   $955.00");
  EXPECT_EQ(lines[17], std::string(65, ' ') + "____________");
  EXPECT_EQ(lines[19], std::string(30, ' ') + "Total Hours For This Matter" + std::string(16, ' ') + "11.3");
  EXPECT_EQ(lines[21], std::string(30, ' ') + "Total Fees For This Matter" + std::string(12, ' ') + "$1,142.50");
  EXPECT_EQ(lines[61], std::string(39, ' ') + "-1-\f");
  const std::vector<std::string> summary(lines.begin() + 62 + 12, lines.begin() + 62 + 20);
  EXPECT_EQ(summary, (std::vector<std::string>{
                         std::string(18, ' ') + "Attorney" + std::string(10, ' ') + "Hours" + std::string(14, ' ') + "Fees",
                         "",
                         std::string(21, ' ') + "AB" + std::string(15, ' ') + "1.3" + std::string(11, ' ') + "$187.50",
                         std::string(21, ' ') + "MKL" + std::string(13, ' ') + "10.0" + std::string(11, ' ') + "$955.00",
                         std::string(18, ' ') + " ______ " + std::string(10, ' ') + "_____" + std::string(8, ' ') +
                             "__________",
                         "",
                         std::string(19, ' ') + "TOTALS" + std::string(12, ' ') + "11.3" + std::string(9, ' ') +
                             "$1,142.50",
                         ""}));
  EXPECT_EQ(lines.size(), 62u + 62u);
  EXPECT_EQ(lines.back(), std::string(39, ' ') + "-2-");
}

TEST(CumulativeMatterReportDialog, PrintChecksClientMatterAndPeriodsInOrder) {
  const Office office({"072001"});
  const CumulativeMatterReport report(office.path(), "072001", MatterReportKind::Costs);
  EXPECT_EQ(report.openingClient(), "ACME");
  EXPECT_EQ(report.openingMatter(), "1");
  EXPECT_EQ(report.matterNumbers("ACME"), (std::vector<std::string>{"1", "012"}));
  struct Case {
    std::string client;
    std::string matter;
    PeriodBoxes periods;
    std::string message;
  };
  const PeriodBoxes july{"7", "2001", "7", "2001"};
  const PeriodBoxes bad{"13", "2001", "7", "2001"};
  const Case cases[] = {
      {"", "1", bad, matters::message::kClientNotPresent},
      {"acme", "1", july, matters::message::kClientNotPresent},
      {"NOONE", "", bad, matters::message::kClientNotPresent},
      {"ACME", "", bad, matters::message::kNumberInvalid},
      {"ACME", "1x", bad, matters::message::kNumberInvalid},
      {"ACME", "123456", bad, matters::message::kNumberInvalid},
      {"ACME", "3", bad, matters::message::kNumberNotInUse},  // BETA1's number
      {"ACME", "12", bad, kInvalidBeginningMonth},
      {"ACME", "12", {"8", "2001", "7", "2001"}, kBeginningAfterFinal},
      {"ACME", "00012", july, ""},
  };
  for (const auto& c : cases) {
    const auto result = report.print({c.client, c.matter, c.periods, {}}, {RateChoice::InEffect, {}, {}, kToday});
    if (c.message.empty()) {
      EXPECT_EQ(result.outcome.closing, dialog::Closing::Ok);
      EXPECT_TRUE(result.document.has_value());
      EXPECT_TRUE(result.outcome.messages.empty());
    } else {
      ASSERT_EQ(result.outcome.messages.size(), 1u) << c.client << " " << c.matter;
      EXPECT_EQ(result.outcome.messages[0].text, c.message) << c.client << " " << c.matter;
      EXPECT_EQ(result.outcome.closing, dialog::Closing::Stay);
      EXPECT_FALSE(result.document.has_value());
    }
  }
}

std::vector<PaymentEntry> payments(int count) {
  std::vector<PaymentEntry> entries;
  for (int k = 0; k < count; ++k) entries.push_back({37073.0 + k, 100});
  return entries;
}

TEST(CumulativePayments, TheTotalBlockThatDoesNotFitStartsAPageWithTheShortenedHeading) {
  const PaymentsHeading heading{"ACME", range(7, 2001, 7, 2001), kToday};
  struct Case {
    int payments;
    int pages;
    bool shortened;  // page 2 starts with the heading without its column headings
  };
  // Heading 17 lines, each payment 2: 19 payments reach 55, the rule 57 (fits); 20 reach 57, the
  // rule 59 (the total moves); the 21st payment itself starts page 2.
  const Case cases[] = {{0, 1, false}, {19, 1, false}, {20, 2, true}, {21, 2, false}};
  for (const auto& c : cases) {
    const auto document = paymentsReportLayout(heading, payments(c.payments));
    const auto lines = texts(document);
    EXPECT_EQ(document.pageCount(), c.pages) << c.payments;
    EXPECT_EQ(lines.back().substr(0, 28), c.pages == 1 ? std::string(14, ' ') + "Total Payments" : std::string(28, ' '))
        << c.payments;
    if (c.pages == 1) continue;
    const auto feed =
        std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return !l.empty() && l.back() == '\f'; });
    EXPECT_EQ(*feed, std::string(39, ' ') + "-1-\f");
    const std::string columns = std::string(15, ' ') + "Payment Date" + std::string(15, ' ') + "Payment Amount";
    EXPECT_EQ(*(feed + 16), c.shortened ? "" : columns) << c.payments;
    if (c.shortened) {
      EXPECT_EQ(*(feed + 17), std::string(14, ' ') + "Total Payments" + std::string(18, ' ') + "$2,000.00");
    }
    EXPECT_EQ(lines.back(), std::string(39, ' ') + "-2-");
  }
  const auto lines = texts(paymentsReportLayout(heading, payments(1)));
  EXPECT_EQ(lines[6], std::string(20, ' ') + "CUMULATIVE PAYMENTS REPORT FOR CLIENT ACME");
  EXPECT_EQ(lines[10], "        Beginning Billing Period: 07/2001");
  EXPECT_EQ(lines[12], "        Date Of This Report:     7/5/2001");
  EXPECT_EQ(lines[17], std::string(16, ' ') + "07/01/2001" + std::string(22, ' ') + "$100.00");
  EXPECT_EQ(lines.size(), 23u);  // a one-page report has no footer
}

TEST(CumulativePayments, PaymentsComeFromEveryExistingMonthInTableOrder) {
  const Office office({"122000", "012001", "072001"});
  const CumulativePaymentsReport report(office.path(), "072001");
  EXPECT_EQ(report.openingClient(), "ACME");
  struct Case {
    PaymentsReportBoxes boxes;
    std::string message;
    std::size_t payments;
  };
  const Case cases[] = {
      {{"NONE", {"13", "2001", "7", "2001"}}, matters::message::kClientNotPresent, 0},
      {{"ACME", {"7", "2001", "7", "200"}}, kInvalidFinalYear, 0},
      {{"ACME", {"12", "2000", "7", "2001"}}, "", 3},  // December, January and July exist
      {{"ACME", {"2", "2001", "6", "2001"}}, "", 0},
      {{"ZED", {"12", "2000", "7", "2001"}}, "", 0},
  };
  for (const auto& c : cases) {
    const auto result = report.print(c.boxes, {RateChoice::InEffect, {}, {}, kToday});
    if (!c.message.empty()) {
      ASSERT_EQ(result.outcome.messages.size(), 1u);
      EXPECT_EQ(result.outcome.messages[0].text, c.message);
      continue;
    }
    ASSERT_TRUE(result.document.has_value());
    const auto lines = texts(*result.document);
    const auto count = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.size() > 26 && l.substr(16, 10).find('/') == 2 && l.substr(0, 16) == std::string(16, ' ');
    });
    EXPECT_EQ(static_cast<std::size_t>(count), c.payments) << c.boxes.periods.beginningMonth;
  }
  const auto entries = gatherPayments(office.path(), "BETA1", range(12, 2000, 1, 2001));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_DOUBLE_EQ(entries[0].amount, 1500.00);
}

}  // namespace
}  // namespace vrk::reports
