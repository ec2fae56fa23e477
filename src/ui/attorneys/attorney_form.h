// What every attorney and fee schedule dialog shares: its logic loaded when shown, dropped on closing.
#pragma once

#include "ui/common/vrk_dialog.h"

class QShowEvent;

namespace vrk::ui {

class AttorneyForm : public VrkDialog {
  Q_OBJECT

 public:
  AttorneyForm(AppServices& services, QWidget* parent);

  // Closing in any way (OK, Cancel, Escape, the close box) drops the loaded data.
  void done(int result) override;

 protected:
  // Each showing loads the register afresh; a file that cannot be read is shown and the dialog
  // closes with Cancel.
  void showEvent(QShowEvent* event) override;

  virtual void openRegister() = 0;  // makes the logic from the folder and fills the widgets
  virtual void closeDown() = 0;  // drops the logic and empties the grid
};

}  // namespace vrk::ui
