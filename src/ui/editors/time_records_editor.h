// TReviewChangeClientTimeRecordsForm: steps through a client's time records and saves the shown one.
#pragma once

#include "core/records/record_editors.h"
#include "ui/editors/editor_form.h"
#include "ui/editors/editor_widgets.h"

namespace vrk::ui {

namespace editors {

// Client code, matter number, date, attorney initials, time, billing rate, six description lines.
class TimeEditPart : public EditPart {
 public:
  TimeEditPart();

  void load(const records::TimeRecordEditor& editor);
  void clear(const store::CalendarDate& today) override;
  void show(const records::TimeBoxes& boxes);
  records::TimeBoxes boxes() const;

 private:
  RecordKeyBoxes keys_;
  QComboBox* attorney_;
  QLineEdit* time_;
  QLineEdit* rate_;
  QPlainTextEdit* description_;
};

}  // namespace editors

class TReviewChangeClientTimeRecordsForm
    : public EditorLogicForm<records::TimeRecordEditor, editors::TimeEditPart> {
  Q_OBJECT

 public:
  explicit TReviewChangeClientTimeRecordsForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
