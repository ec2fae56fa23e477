// TClientsForm: the main window; six tabs of command buttons, the billing period, printer, exit.
#pragma once

#include <QMainWindow>

#include "core/shell/commands.h"

class QLabel;
class QTabWidget;

namespace vrk::ui {

class TClientsForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TClientsForm(QWidget* parent = nullptr);

  // Shows the period in the label: "Billing Period is  07/2001".
  void setBillingPeriodLabel(const QString& text);
  // Shows one line in the status line at the window's foot (where the last printout went); it
  // stays until the next line replaces it.
  void setStatusLine(const QString& text);
  QTabWidget* tabs() const { return tabs_; }

 Q_SIGNALS:
  void commandRequested(const vrk::shell::Command* command);
  void periodShouldOpen();  // shown, or another tab chosen
  void changeBillingPeriodRequested();
  void changePrinterRequested();
  void exitRequested();       // the Exit button: with the exit clean-up
  void endRequested();        // File > Exit, or the window closed
  void backupRequested();
  void restoreRequested();
  void importRecordsRequested();
  void reprintRequested();
  void helpRequested(int page);
  void aboutRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* makePage(shell::Tab tab);
  void focusFirstCommand();

  QTabWidget* tabs_;
  QLabel* periodLabel_;
  QLabel* statusLine_;
  bool ending_ = false;
};

// The widget name of a command's button: its label in capitalised words, then "Button".
QString commandButtonName(const std::string& label);

}  // namespace vrk::ui
