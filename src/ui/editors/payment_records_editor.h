// TReviewChangeClientPaymentRecordsForm: steps through a client's payments and saves the shown one,
// the clients' payments-since-last-statement totals following it.
#pragma once

#include "core/records/record_editors.h"
#include "ui/editors/editor_form.h"
#include "ui/editors/editor_widgets.h"

namespace vrk::ui {

namespace editors {

// Client code, payment date, payment amount.
class PaymentEditPart : public EditPart {
 public:
  PaymentEditPart();

  void load(const records::PaymentRecordEditor& editor);
  void clear(const store::CalendarDate& today) override;
  void show(const records::PaymentBoxes& boxes);
  records::PaymentBoxes boxes() const;

 private:
  QComboBox* client_;
  QDateEdit* date_;
  QLineEdit* amount_;
};

}  // namespace editors

class TReviewChangeClientPaymentRecordsForm
    : public EditorLogicForm<records::PaymentRecordEditor, editors::PaymentEditPart> {
  Q_OBJECT

 public:
  explicit TReviewChangeClientPaymentRecordsForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
