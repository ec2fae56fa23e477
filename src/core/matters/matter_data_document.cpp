#include "core/matters/matter_data_document.h"

#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/money_text.h"
#include "core/document/number_text.h"
#include "core/rules/decimal_value.h"
#include "core/store/billing_period.h"

namespace vrk::matters {
namespace {

constexpr int kIndent = 10;
constexpr int kFigureEndColumn = 71;

class Writer {
 public:
  void blank(int count = 1) {
    lines_.insert(lines_.end(), static_cast<std::size_t>(count), document::Line{});
  }
  void line(const document::LineBuilder& builder) { lines_.push_back(builder.line()); }
  // An item: the indent, the label, blanks and the value; then an empty line unless it is the last.
  void item(const std::string& label, int gap, const std::string& value, bool last = false) {
    line(document::LineBuilder().blanks(kIndent).text(label).blanks(gap).text(value));
    if (!last) blank();
  }
  void figure(const std::string& label, const std::string& value, bool last = false) {
    document::LineBuilder builder;
    builder.blanks(kIndent).text(label);
    line(builder.right(value, kFigureEndColumn - builder.length()));
    if (!last) blank();
  }
  document::Document release() { return {std::move(lines_)}; }

 private:
  std::vector<document::Line> lines_;
};

}  // namespace

document::Document matterDataDocument(const DisplayedMatter& matter, const std::string& period,
                                      const store::CalendarDate& today) {
  const MatterRecord& record = matter.record;
  Writer out;
  out.blank(6);
  out.line(document::LineBuilder().blanks(30).title("CLIENT/MATTER DATA"));
  out.blank(5);
  out.line(document::LineBuilder().blanks(kIndent).text("Client Code:    ").text(matter.key.client));
  out.blank();
  out.line(document::LineBuilder().blanks(kIndent).text("Matter Number:  ").text(matter.key.number));
  out.blank();
  out.line(document::LineBuilder().blanks(kIndent).text("Matter Description:  ").text(record.description[0]));
  for (std::size_t i = 1; i < record.description.size(); ++i)
    if (!record.description[i].empty())
      out.line(document::LineBuilder().blanks(31).text(record.description[i]));
  out.blank();
  out.item("Fee Schedule:", 13, std::to_string(record.feeSchedule));
  out.item("Principal Attorney:", 7, record.principalAttorney);
  out.item("Date Matter Created:", 6, document::recordDate(store::fromStoredDate(record.dateCreated)));
  out.item("Billing Period:", 11, store::displayBillingPeriod(period));
  out.figure("Hours To Date At Start Of This Billing Period:",
             document::groupedHoursText(rules::storedDecimalValue(record.hoursToDate)));
  out.figure("Fees To Date At Start Of This Billing Period:",
             document::moneyText(rules::storedDecimalValue(record.feesToDate)));
  out.figure("Costs To Date At Start Of This Billing Period:",
             document::moneyText(rules::storedDecimalValue(record.costsToDate)));
  out.figure("Credits To Date At Start Of This Billing Period:",
             document::moneyText(rules::storedDecimalValue(record.creditsToDate)), true);
  out.blank(7);
  out.line(document::LineBuilder()
               .blanks(kIndent)
               .text("This document prepared on ")
               .text(document::recordDate(today)));
  return out.release();
}

}  // namespace vrk::matters
