#include "ui/records/add_client_payment_form.h"

#include <QPushButton>

#include "ui/matters/matter_widgets.h"
#include "ui/records/payment_entry_part.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

TAddClientPaymentForm::TAddClientPaymentForm(AppServices& services, QWidget* parent)
    : RecordLogicDialog(services, parent, QStringLiteral("TAddClientPaymentForm")),
      entry_(new PaymentEntryPart(QStringLiteral("Payment  Amount"), this)) {
  auto* save = namedButton(QStringLiteral("Save"), "SaveButton", this);
  recordforms::layOutRecordForm(this, QStringLiteral("Add A Client Payment"), {entry_},
                                {save, recordforms::cancelButton(this)});
  connect(save, &QPushButton::clicked, this, &TAddClientPaymentForm::save);
}

void TAddClientPaymentForm::prepareBoxes() {
  entry_->reset(logic_->clientCodes(), true, services().session.lastEntryDate, QStringLiteral("$"));
}

void TAddClientPaymentForm::save() {
  if (!logic_) return;
  const auto input = entry_->boxes();
  const auto outcome = act([&] { return logic_->save(input, services().session.lastEntryDate); });
  if (!outcome.closed()) applyWriteBack(this, outcome);
}

}  // namespace vrk::ui
