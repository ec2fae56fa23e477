#include "ui/help/help_page_forms.h"

namespace vrk::ui {

std::unique_ptr<HelpPageForm> makeHelpPage(help::HelpPage page, AppServices& services, QWidget* parent) {
  switch (page) {
    case help::HelpPage::Setup:
      return std::make_unique<TSetupUnitHelpForm>(services, parent);
    case help::HelpPage::DataEntry:
      return std::make_unique<TDataEntryHelpForm>(services, parent);
    case help::HelpPage::Clients:
      return std::make_unique<TClientsTabHelpForm>(services, parent);
    case help::HelpPage::Attorneys:
      return std::make_unique<TAttorneysTabHelpForm>(services, parent);
    case help::HelpPage::Matters:
      return std::make_unique<TMattersTabHelpForm>(services, parent);
    case help::HelpPage::BillingRecords:
      return std::make_unique<TBillingRecordsTabHelpForm>(services, parent);
    case help::HelpPage::MonthlyStatements:
      return std::make_unique<TMonthlyStatementsTabHelpForm>(services, parent);
    case help::HelpPage::Reports:
      return std::make_unique<TReportsTabHelpForm>(services, parent);
  }
  return nullptr;
}

void showHelpPage(help::HelpPage page, AppServices& services, QWidget* parent) {
  const auto form = makeHelpPage(page, services, parent);
  form->exec();
}

}  // namespace vrk::ui
