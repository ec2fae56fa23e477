// TChangeClientPaymentForm: displays a payment chosen by client and date, and saves it with a new
// client, date or amount; the payments-since-last-statement totals follow.
#pragma once

#include "core/records/payments.h"
#include "ui/records/record_dialog.h"

namespace vrk::ui {

class PaymentEntryPart;
class PaymentShown;
class SelectionPart;

class TChangeClientPaymentForm : public RecordLogicDialog<records::ChangePayment> {
  Q_OBJECT

 public:
  explicit TChangeClientPaymentForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void prepareBoxes() override;

 private:
  void display();
  void save();

  SelectionPart* selection_;
  PaymentShown* former_;
  PaymentEntryPart* entry_;
};

}  // namespace vrk::ui
