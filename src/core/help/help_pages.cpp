#include "core/help/help_pages.h"

#include <array>
#include <stdexcept>

#include "core/help/help_layout.h"
#include "core/help/help_texts.h"

namespace vrk::help {
namespace {

const std::array<HelpPageInfo, 8>& catalogue() {
  static const std::array<HelpPageInfo, 8> pages = {{
      {HelpPage::Setup, "TSetupUnitHelpForm", "setup", "VRK - Setup Help", "Setup", setupHelpText()},
      {HelpPage::DataEntry, "TDataEntryHelpForm", "data-entry", "VRK - Data Entry Help", "Data Entry",
       dataEntryHelpText()},
      {HelpPage::Clients, "TClientsTabHelpForm", "clients", "VRK - Clients Help", "Clients",
       clientsHelpText()},
      {HelpPage::Attorneys, "TAttorneysTabHelpForm", "attorneys", "VRK - Attorneys Help", "Attorneys",
       attorneysHelpText()},
      {HelpPage::Matters, "TMattersTabHelpForm", "matters", "VRK - Matters Help", "Matters",
       mattersHelpText()},
      {HelpPage::BillingRecords, "TBillingRecordsTabHelpForm", "billing-records",
       "VRK - Billing Records Help", "Billing Records", billingRecordsHelpText()},
      {HelpPage::MonthlyStatements, "TMonthlyStatementsTabHelpForm", "monthly-statements",
       "VRK - Monthly Statements Help", "Monthly Statements", monthlyStatementsHelpText()},
      {HelpPage::Reports, "TReportsTabHelpForm", "reports", "VRK - Reports Help", "Reports",
       reportsHelpText()},
  }};
  return pages;
}

}  // namespace

std::span<const HelpPageInfo> helpPages() { return catalogue(); }

const HelpPageInfo& helpPageInfo(HelpPage page) {
  for (const auto& info : catalogue())
    if (info.page == page) return info;
  throw std::logic_error("unknown help page");
}

std::optional<HelpPage> findHelpPage(std::string_view batchName) {
  for (const auto& info : catalogue())
    if (info.batchName == batchName) return info.page;
  return std::nullopt;
}

document::Document helpDocument(HelpPage page, document::SinkKind sink) {
  return layoutHelpText(helpPageInfo(page).text, sink);
}

}  // namespace vrk::help
