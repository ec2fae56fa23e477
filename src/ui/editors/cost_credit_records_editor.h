// TReviewChangeClientCostCreditRecordsForm: steps through a client's cost and credit records and
// saves the shown one.
#pragma once

#include <cstdint>

#include "core/records/record_editors.h"
#include "ui/editors/editor_form.h"
#include "ui/editors/editor_widgets.h"

class QButtonGroup;

namespace vrk::ui {

namespace editors {

// Client code, matter number, date, "Cost Record" or "Credit Record", amount, four description lines.
class CostCreditEditPart : public EditPart {
 public:
  CostCreditEditPart();

  void load(const records::CostCreditRecordEditor& editor);
  void clear(const store::CalendarDate& today) override;
  void show(const records::CostCreditBoxes& boxes);
  records::CostCreditBoxes boxes() const;

 private:
  void choose(std::int32_t kind);

  RecordKeyBoxes keys_;
  QButtonGroup* kind_;
  QLineEdit* amount_;
  QPlainTextEdit* description_;
};

}  // namespace editors

class TReviewChangeClientCostCreditRecordsForm
    : public EditorLogicForm<records::CostCreditRecordEditor, editors::CostCreditEditPart> {
  Q_OBJECT

 public:
  explicit TReviewChangeClientCostCreditRecordsForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
