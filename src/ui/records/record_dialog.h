// The base of the billing record dialogs: fresh logic each time one opens, one record per opening,
// and nothing left behind when it closes.
#pragma once

#include <optional>

#include "ui/common/vrk_dialog.h"

namespace vrk::ui {

class RecordDialog : public VrkDialog {
  Q_OBJECT

 public:
  // Makes fresh logic (loading the lists) and sets the boxes as on opening; false, with the file
  // error shown, when the period's files cannot be read.
  bool reload();
  // Reloads, then shows the dialog modally.
  int exec() override;
  // Closes the dialog, drops its logic and empties its lists and description boxes.
  void done(int result) override;

 protected:
  RecordDialog(AppServices& services, QWidget* parent, const QString& objectName);

  virtual void makeLogic() = 0;  // may raise StoreError
  virtual void dropLogic() = 0;
  virtual void prepareBoxes() = 0;  // once the logic is made
};

// A record dialog whose logic is a `Logic` made from the period folder.
template <typename Logic>
class RecordLogicDialog : public RecordDialog {
 protected:
  using RecordDialog::RecordDialog;

  void makeLogic() override { logic_.emplace(folder()); }
  void dropLogic() override { logic_.reset(); }

  std::optional<Logic> logic_;  // only while the dialog is open
};

}  // namespace vrk::ui
