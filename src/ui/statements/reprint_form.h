// TReprintFinalStatementsForm (File > Reprint Final Statements…): the final runs the current
// billing period keeps, one per client group, printed again or opened as they were saved.
#pragma once

#include "ui/common/vrk_dialog.h"

class QListWidget;

namespace vrk::ui {

class TReprintFinalStatementsForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TReprintFinalStatementsForm(AppServices& services, QWidget* parent = nullptr);

  // Lists the kept final runs, the first chosen; false, having said why, when there are none or
  // the folder cannot be read.
  bool reload();
  // Reloads, then shows the dialog modally.
  int exec() override;

  void print();  // the chosen run to the printer, byte for byte as kept
  void open();   // the chosen run in the desktop's PDF viewer

 private:
  // The chosen run's file; empty (with the list's message shown) when none is chosen.
  QString chosenFile();

  QListWidget* runs_;
};

}  // namespace vrk::ui
