// The base of the change, delete and display matter dialogs: the selection part (client code,
// matter number, Display) and the matter's fields, editable or read-only.
#pragma once

#include <optional>

#include "core/matters/matter_selection.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vrk::ui {

class MatterRecordForm : public VrkDialog {
  Q_OBJECT

 public:
  // Makes fresh logic (loading the lists), clears the boxes and shows the dialog modally.
  int exec() override;

 protected:
  struct Setup {
    QString objectName;
    QString label;
    QString actionText;  // "Save", "Delete" or "Print"
    const char* actionName;
    bool editable;
  };
  MatterRecordForm(AppServices& services, QWidget* parent, const Setup& setup);

  virtual void makeLogic() = 0;  // may raise StoreError
  virtual void dropLogic() = 0;
  virtual matters::MatterSelection* selection() = 0;  // null while the dialog is closed
  virtual void runAction() = 0;

  // What the field boxes hold (the change dialog's Save input).
  matters::MatterBoxes fieldBoxes() const;

 private:
  void clientLeft();
  void display();
  // The change dialog's edit part: disabled until a Display has filled it.
  void setEditPartEnabled(bool enabled);
  void fillFields(const matters::MatterBoxes& boxes);
  void clearFields();

  QComboBox* client_;
  QComboBox* number_;
  QLineEdit* keyClient_;
  QLineEdit* keyNumber_;
  QPlainTextEdit* description_;
  QDateEdit* created_;
  QComboBox* attorney_;
  QComboBox* schedule_;
  QLineEdit* hours_;
  QLineEdit* fees_;
  QLineEdit* costs_;
  QLineEdit* credits_;
  bool editable_ = false;
};

// A matter dialog whose logic is a `Logic` (made from the period folder, with its selection part):
// makes the logic when the dialog opens and drops it when it closes.
template <typename Logic>
class MatterLogicForm : public MatterRecordForm {
 protected:
  using MatterRecordForm::MatterRecordForm;

  void makeLogic() override { logic_.emplace(folder()); }
  void dropLogic() override { logic_.reset(); }
  matters::MatterSelection* selection() override { return logic_ ? &logic_->selection() : nullptr; }

  std::optional<Logic> logic_;
};

}  // namespace vrk::ui
