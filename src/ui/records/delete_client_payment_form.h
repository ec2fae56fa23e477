// TDeleteClientPaymentForm: displays a payment chosen by client and date, and deletes it, taking
// it off the client's payments since the last statement.
#pragma once

#include "core/records/payments.h"
#include "ui/records/record_dialog.h"

namespace vrk::ui {

class PaymentShown;
class SelectionPart;

class TDeleteClientPaymentForm : public RecordLogicDialog<records::DeletePayment> {
  Q_OBJECT

 public:
  explicit TDeleteClientPaymentForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void prepareBoxes() override;

 private:
  void display();

  SelectionPart* selection_;
  PaymentShown* shown_;
};

}  // namespace vrk::ui
