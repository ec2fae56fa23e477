// TAddClientPaymentForm: records a client's payment, adding it to the client's payments since the
// last statement, and sets the last entry date.
#pragma once

#include "core/records/payments.h"
#include "ui/records/record_dialog.h"

namespace vrk::ui {

class PaymentEntryPart;

class TAddClientPaymentForm : public RecordLogicDialog<records::AddPayment> {
  Q_OBJECT

 public:
  explicit TAddClientPaymentForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void prepareBoxes() override;

 private:
  void save();

  PaymentEntryPart* entry_;
};

}  // namespace vrk::ui
