// The eight help pages of the Help menus, one window class each, and how to open them.
#pragma once

#include <memory>

#include "ui/help/help_page_form.h"

namespace vrk::ui {

class TSetupUnitHelpForm : public HelpPageForm {
  Q_OBJECT
 public:
  explicit TSetupUnitHelpForm(AppServices& services, QWidget* parent = nullptr)
      : HelpPageForm(help::HelpPage::Setup, services, parent) {}
};

class TDataEntryHelpForm : public HelpPageForm {
  Q_OBJECT
 public:
  explicit TDataEntryHelpForm(AppServices& services, QWidget* parent = nullptr)
      : HelpPageForm(help::HelpPage::DataEntry, services, parent) {}
};

class TClientsTabHelpForm : public HelpPageForm {
  Q_OBJECT
 public:
  explicit TClientsTabHelpForm(AppServices& services, QWidget* parent = nullptr)
      : HelpPageForm(help::HelpPage::Clients, services, parent) {}
};

class TAttorneysTabHelpForm : public HelpPageForm {
  Q_OBJECT
 public:
  explicit TAttorneysTabHelpForm(AppServices& services, QWidget* parent = nullptr)
      : HelpPageForm(help::HelpPage::Attorneys, services, parent) {}
};

class TMattersTabHelpForm : public HelpPageForm {
  Q_OBJECT
 public:
  explicit TMattersTabHelpForm(AppServices& services, QWidget* parent = nullptr)
      : HelpPageForm(help::HelpPage::Matters, services, parent) {}
};

class TBillingRecordsTabHelpForm : public HelpPageForm {
  Q_OBJECT
 public:
  explicit TBillingRecordsTabHelpForm(AppServices& services, QWidget* parent = nullptr)
      : HelpPageForm(help::HelpPage::BillingRecords, services, parent) {}
};

class TMonthlyStatementsTabHelpForm : public HelpPageForm {
  Q_OBJECT
 public:
  explicit TMonthlyStatementsTabHelpForm(AppServices& services, QWidget* parent = nullptr)
      : HelpPageForm(help::HelpPage::MonthlyStatements, services, parent) {}
};

class TReportsTabHelpForm : public HelpPageForm {
  Q_OBJECT
 public:
  explicit TReportsTabHelpForm(AppServices& services, QWidget* parent = nullptr)
      : HelpPageForm(help::HelpPage::Reports, services, parent) {}
};

// The window of a page (a Help menu's entry k opens help::helpPages()[k].page).
std::unique_ptr<HelpPageForm> makeHelpPage(help::HelpPage page, AppServices& services, QWidget* parent);

// Shows the page modally and returns when it is closed.
void showHelpPage(help::HelpPage page, AppServices& services, QWidget* parent);

}  // namespace vrk::ui
