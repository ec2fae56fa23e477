// The base of the command dialogs: the shared services, store errors shown as boxes, and the
// keyboard every dialog shares (focus in the first box on opening, Tab leaving multi-line boxes
// and grids, Enter for the default button or Display, Escape to cancel, Alt letters on buttons).
#pragma once

#include <QDialog>
#include <QPushButton>
#include <functional>

#include "core/dialog/outcome.h"
#include "ui/common/app_services.h"

namespace vrk::ui {

class VrkDialog : public QDialog {
  Q_OBJECT

 public:
  VrkDialog(AppServices& services, QWidget* parent = nullptr);

 protected:
  AppServices& services() const { return services_; }
  std::filesystem::path folder() const { return services_.session.folder(); }

  // Runs a button's logic: shows the outcome's messages and closes the dialog with OK or Cancel
  // when the outcome says so. A file that cannot be read or written is shown as an error box
  // and the dialog stays open. Returns the outcome (empty after a file error).
  dialog::Outcome act(const std::function<dialog::Outcome()>& logic);
  // Runs loading work (on opening); a file error is shown and the dialog closes with Cancel.
  bool load(const std::function<void()>& work);

  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void prepareKeyboard();
  void focusFirstBox();

  AppServices& services_;
  QPushButton* display_ = nullptr;  // Enter in a box of the selection part presses it
  bool keyboardPrepared_ = false;
};

}  // namespace vrk::ui
