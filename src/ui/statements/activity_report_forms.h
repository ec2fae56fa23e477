// The Reports tab's two whole-period report dialogs: the attorney activity report and the billing
// activity report of the billing period, shown in a read-only text box on opening, with "Print"
// and "Cancel".
#pragma once

#include <optional>

#include "core/statements/period_activity_reports.h"
#include "ui/common/vrk_dialog.h"

class QPlainTextEdit;
class QShowEvent;

namespace vrk::ui {

class ActivityReportForm : public VrkDialog {
  Q_OBJECT

 public:
  ActivityReportForm(statements::PeriodReportKind kind, AppServices& services, QWidget* parent);

  // Closing in any way (Print, Cancel, Escape, the close box) drops the report and empties the box.
  void done(int result) override;

 protected:
  // Each showing reads the activity files afresh; a file that cannot be read is shown and the
  // dialog closes with Cancel.
  void showEvent(QShowEvent* event) override;

 private:
  void openReport();
  void print();

  statements::PeriodReportKind kind_;
  std::optional<statements::PeriodActivityReport> logic_;
  QPlainTextEdit* textBox_;
};

class TAttorneyActivityReportForm : public ActivityReportForm {
  Q_OBJECT

 public:
  explicit TAttorneyActivityReportForm(AppServices& services, QWidget* parent = nullptr);
};

class TBillingActivityReportForm : public ActivityReportForm {
  Q_OBJECT

 public:
  explicit TBillingActivityReportForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
