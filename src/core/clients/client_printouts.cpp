#include "core/clients/client_printouts.h"

#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/money_text.h"
#include "core/document/page_writer.h"
#include "core/rules/decimal_value.h"
#include "core/store/billing_period.h"

namespace vrk::clients {
namespace {

using document::LineBuilder;

constexpr int kIndent = 10;
constexpr int kAmountEndColumn = 55;

document::Line textLine(const std::string& text) { return LineBuilder().text(text).line(); }
std::string blanks(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

void addItem(document::PageWriter& page, const std::string& text, bool emptyLineAfter = true) {
  page.add(textLine(blanks(kIndent) + text));
  if (emptyLineAfter) page.addBlank();
}

void addCodesTitle(document::PageWriter& page, const std::string& group) {
  page.addBlank(7);
  page.add(LineBuilder().blanks(24).title("CLIENT CODES IN CLIENT GROUP " + group).line());
  page.addBlank(2);
}

}  // namespace

document::Document clientDataPrintout(const DisplayedClient& client, const std::string& period,
                                      const store::CalendarDate& today) {
  const ClientRecord& record = client.record;
  document::PageWriter page;
  page.addBlank(6);
  page.add(LineBuilder().blanks(34).title("CLIENT DATA").line());
  page.addBlank(4);
  addItem(page, "Client Code:  " + client.code);
  addItem(page, "Client Group: " + record.group);
  addItem(page, "Client Address:  " + record.address[0], false);
  for (std::size_t i = 1; i < kAddressLines; ++i)
    if (!record.address[i].empty()) page.add(textLine(blanks(27) + record.address[i]));
  page.addBlank();
  addItem(page, std::string("Client Category: ") + categoryPrintWording(record.category));
  addItem(page,
          std::string("Late Charges For Payment After End Of Month: ") + (record.lateCharges ? "Yes" : "No"));
  addItem(page, "Billing Period:" + blanks(23) + store::displayBillingPeriod(period));
  addItem(page, "Date Of Last Statement: " + blanks(11) +
                    document::recordDate(store::fromStoredDate(record.lastStatementDate)));
  for (std::size_t i = 0; i < kAmountCount; ++i) {
    LineBuilder line;
    line.text(blanks(kIndent) + amountBox(i).label + ": ");
    line.right(document::moneyText(rules::storedDecimalValue(record.amounts[i])),
               kAmountEndColumn - line.length());
    page.add(line.line());
    if (i + 1 < kAmountCount) page.addBlank();
  }
  page.addBlank(7);
  page.add(textLine(blanks(kIndent) + "This document prepared on " + document::recordDate(today)));
  return page.release();
}

document::Document clientCodesPrintout(const std::string& group, const std::vector<std::string>& codes,
                                       const std::string& period, const store::CalendarDate& today) {
  document::PageWriter page;
  addCodesTitle(page, group);
  page.add(textLine(blanks(6) + "Billing Period:" + blanks(2) + store::displayBillingPeriod(period)));
  page.addBlank();
  page.add(textLine(blanks(6) + "Date Of This Report:  " + document::reportDate(today)));
  page.addBlank(2);
  int lineCount = 15;
  LineBuilder line;
  line.blanks(4);
  int onLine = 0;
  for (const auto& code : codes) {
    if (onLine == 6) {
      if (lineCount > 58) {
        line.blanks(40).text(document::pageField(page.pageNumber()));
        page.add(line.endPage());
        page.nextPage();
        addCodesTitle(page, group);
        line = LineBuilder();
        line.blanks(4);
        lineCount = 10;
      }
      page.add(line.line());
      line = LineBuilder();
      line.blanks(4);
      ++lineCount;
      onLine = 0;
    }
    line.blanks(6).text(code);
    ++onLine;
  }
  page.add(line.line());
  return page.release();
}

}  // namespace vrk::clients
