// The Reports tab's aged accounts report dialog: "Display" shows the report in the dialog's text
// box, "Print" prints it, "Cancel" closes.
#pragma once

#include "ui/common/vrk_dialog.h"

class QPlainTextEdit;
class QProgressBar;

namespace vrk::ui {

class TAgedAccountsReportForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TAgedAccountsReportForm(AppServices& services, QWidget* parent = nullptr);

  // Empties the text box, then shows the dialog modally.
  int exec() override;
  // Closes the dialog and empties its text box.
  void done(int result) override;

 private:
  // Each button reads the client records afresh; a file that cannot be read is shown and the
  // dialog stays open.
  void display();
  void print();

  QPlainTextEdit* textBox_;
  QProgressBar* progress_;  // never shown: the report is made in one step
};

}  // namespace vrk::ui
