// TReviewChangeClientPaymentRecordsForm: steps through a client's payments and saves the shown one,
// the clients' payments-since-last-statement totals following it.
#pragma once

#include "core/records/record_editors.h"
#include "ui/editors/editor_form.h"
#include "ui/records/payment_entry_part.h"

namespace vrk::ui {

class TReviewChangeClientPaymentRecordsForm
    : public EditorLogicForm<records::PaymentRecordEditor, PaymentEntryPart> {
  Q_OBJECT

 public:
  explicit TReviewChangeClientPaymentRecordsForm(AppServices& services, QWidget* parent = nullptr)
      : EditorLogicForm(services, parent, QStringLiteral("TReviewChangeClientPaymentRecordsForm"),
                        QStringLiteral("Review/Change Records For Client"),
                        new PaymentEntryPart(QStringLiteral("Payment Amount"), nullptr)) {}

 protected:
  void loadPart() override {
    part_->reset(logic_->clientCodes(), false, services().clock.today(), QString());
  }
};

}  // namespace vrk::ui
