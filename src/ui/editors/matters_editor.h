// TReviewChangeClientMattersForm: steps through a client's matters and saves the shown one as the
// change-matter dialog does.
#pragma once

#include "core/records/record_editors.h"
#include "ui/editors/editor_form.h"
#include "ui/editors/editor_widgets.h"

namespace vrk::ui {

namespace editors {

// Client code, matter number, date created, principal attorney, fee schedule, four description
// lines, then hours, fees, costs and credits to date as plain text boxes.
class MatterEditPart : public EditPart {
 public:
  MatterEditPart();

  void load(const records::MatterEditor& editor);
  void clear(const store::CalendarDate& today) override;
  void show(const matters::MatterBoxes& boxes);
  matters::MatterBoxes boxes() const;

 private:
  QLineEdit* client_;
  QLineEdit* number_;
  QDateEdit* created_;
  QComboBox* attorney_;
  QComboBox* schedule_;
  QPlainTextEdit* description_;
  QLineEdit* hours_;
  QLineEdit* fees_;
  QLineEdit* costs_;
  QLineEdit* credits_;
};

}  // namespace editors

class TReviewChangeClientMattersForm : public EditorLogicForm<records::MatterEditor, editors::MatterEditPart> {
  Q_OBJECT

 public:
  explicit TReviewChangeClientMattersForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
