#include "core/statements/period_activity_reports.h"

#include <gtest/gtest.h>

#include "core/document/long_document.h"
#include "core/store/binary_codec.h"
#include "core/store/text_list.h"
#include "support/temp_folder.h"

namespace vrk::statements {
namespace {

using document::SinkKind;

const PeriodReportHeading kHeading{"072001", {2001, 8, 14}};

std::vector<std::string> texts(const document::Document& document) {
  std::vector<std::string> lines;
  for (const auto& line : document.lines) lines.push_back(line.text() + (line.formFeed ? "\f" : ""));
  return lines;
}

// AA, AB, ... in list order (up to 676 attorneys).
std::vector<std::string> attorneys(std::size_t count) {
  std::vector<std::string> initials;
  for (std::size_t k = 0; k < count; ++k)
    initials.push_back(std::string{static_cast<char>('A' + k / 26), static_cast<char>('A' + k % 26)});
  return initials;
}

// A folder with `count` attorneys (no fee schedules) and an attorney activity file giving attorney k
// k hours billed and k x 100 in fees.
std::filesystem::path officeWith(const test::TempFolder& temp, std::size_t count) {
  const auto folder = temp.path();
  test::writeFile(folder / "AttorneyInitials.Dat", store::formatTextList(attorneys(count)));
  test::writeFile(folder / "FeeSchedules.Dat", std::string(count * 90, '\0'));
  test::writeFile(folder / "Dimensions.Dat", std::string(40, '\0'));
  std::string cells(count * 40, '\0');
  for (std::size_t k = 0; k < count; ++k) {
    store::putDouble(cells, k * 40 + 24, static_cast<double>(k));
    store::putDouble(cells, k * 40 + 32, static_cast<double>(k) * 100);
  }
  test::writeFile(folder / "AttorneyActivityReport.Dat", cells);
  return folder;
}

TEST(PeriodActivityReports, AttorneyPagesHoldFortyTwoAttorneysInBothForms) {
  struct Case {
    SinkKind sink;
    std::size_t attorneys;
    int pages;
  };
  const Case cases[] = {
      {SinkKind::Printer, 0, 1},  {SinkKind::Printer, 42, 1}, {SinkKind::Printer, 43, 2},
      {SinkKind::Printer, 84, 2}, {SinkKind::Printer, 85, 3}, {SinkKind::Screen, 42, 1},
      {SinkKind::Screen, 43, 2},  {SinkKind::Screen, 169, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.attorneys) + (c.sink == SinkKind::Screen ? " screen" : " printer"));
    const auto report = layoutPeriodAttorneyActivity(attorneys(c.attorneys), {}, kHeading, c.sink);
    EXPECT_EQ(report.pages, c.pages);
    // The printer ends each full page with a form feed; the screen never does.
    EXPECT_EQ(report.document.pageCount(), c.sink == SinkKind::Printer ? c.pages : 1);
    const auto lines = texts(report.document);
    // Headings of 15 lines on every page, attorney lines, a blank line and the totals, nothing after.
    const std::size_t perPage = c.sink == SinkKind::Screen ? 64 : 61;
    EXPECT_EQ(lines.size(), perPage * static_cast<std::size_t>(c.pages - 1) + 15 +
                                (c.attorneys - 42 * static_cast<std::size_t>(c.pages - 1)) + 2);
    EXPECT_EQ(lines.back().substr(0, 12), "      TOTALS");
  }
}

TEST(PeriodActivityReports, TheDialogWarnsWhenTheScreenFormReachesAFifthPage) {
  struct Case {
    std::size_t attorneys;
    bool warns;
  };
  const Case cases[] = {{3, false}, {168, false}, {169, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.attorneys);
    test::TempFolder temp;
    const auto folder = officeWith(temp, c.attorneys);
    const PeriodActivityReport report(folder, PeriodReportKind::AttorneyActivity, kHeading);
    ASSERT_EQ(report.opening().messages.size(), c.warns ? 1u : 0u);
    if (c.warns) {
      EXPECT_EQ(report.opening().messages[0].kind, dialog::MessageKind::Information);
      EXPECT_EQ(report.opening().messages[0].text, document::kLongDocumentMessage);
    }
    // The attorneys' figures come from the file, in list order; the printout has no box.
    const auto lines = texts(report.screen());
    EXPECT_EQ(lines.at(17), "         AC       0.0         0.0        0.0        2.0        2.0     $200.00");
    EXPECT_EQ(report.printout().pageCount(), static_cast<int>((c.attorneys + 41) / 42));
  }
}

TEST(PeriodActivityReports, TotalBillingsIsShownAsTheFileHoldsIt) {
  BillingActivityFigures figures;
  figures.totals.hourlyFees = 1000;
  figures.totalBillings = 1240;
  const std::pair<SinkKind, const char*> forms[] = {{SinkKind::Screen, "    "},
                                                    {SinkKind::Printer, "      "}};
  for (const auto& [sink, indent] : forms)
    EXPECT_EQ(texts(layoutPeriodBillingActivity(figures, kHeading, sink)).at(38),
              indent + std::string("Total Billings For All Client Groups = $1,240.00"));
}

}  // namespace
}  // namespace vrk::statements
