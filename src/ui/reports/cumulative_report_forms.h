// The Reports tab's cumulative reports: hours and fees, costs and credits of one matter, and the
// payments of one client, each over a range of billing periods and printed only.
#pragma once

#include <optional>
#include <string>

#include "core/reports/cumulative_payments.h"
#include "core/reports/cumulative_reports.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;

namespace vrk::ui {

class UpDownEdit;

// The beginning and final billing period boxes (month 1 to 12, year 1975 to 2075) of both dialogs.
struct PeriodEdits {
  UpDownEdit* beginningMonth;
  UpDownEdit* beginningYear;
  UpDownEdit* finalMonth;
  UpDownEdit* finalYear;
};

// What the three matter report dialogs share: client code and matter number boxes, the periods,
// the six-line title box, the progress bar, Print and Cancel.
class CumulativeMatterReportForm : public VrkDialog {
  Q_OBJECT

 public:
  // Loads the current period's lists and presets the boxes, then shows the dialog modally.
  int exec() override;
  // Closes the dialog; the title box and the lists are emptied.
  void done(int result) override;

 protected:
  CumulativeMatterReportForm(AppServices& services, QWidget* parent, const QString& objectName,
                             const QString& heading, reports::MatterReportKind kind);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool reload();
  void refillMatters();
  void print();
  double askRate(const std::string& initials);

  reports::MatterReportKind kind_;
  std::optional<reports::CumulativeMatterReport> logic_;
  QComboBox* client_;
  QComboBox* matter_;
  PeriodEdits periods_;
  QPlainTextEdit* title_;
  QProgressBar* progress_;
  QRadioButton* ratesInEffect_ = nullptr;
  QRadioButton* customRates_ = nullptr;
};

class TCumulativeHoursAndFeesReportForm : public CumulativeMatterReportForm {
  Q_OBJECT

 public:
  explicit TCumulativeHoursAndFeesReportForm(AppServices& services, QWidget* parent = nullptr);
};

class TCumulativeCostsReportForm : public CumulativeMatterReportForm {
  Q_OBJECT

 public:
  explicit TCumulativeCostsReportForm(AppServices& services, QWidget* parent = nullptr);
};

class TCumulativeCreditsReportForm : public CumulativeMatterReportForm {
  Q_OBJECT

 public:
  explicit TCumulativeCreditsReportForm(AppServices& services, QWidget* parent = nullptr);
};

class TCumulativePaymentsReportForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TCumulativePaymentsReportForm(AppServices& services, QWidget* parent = nullptr);

  int exec() override;
  void done(int result) override;

 private:
  bool reload();
  void print();

  std::optional<reports::CumulativePaymentsReport> logic_;
  QComboBox* client_;
  PeriodEdits periods_;
  QProgressBar* progress_;
};

}  // namespace vrk::ui
