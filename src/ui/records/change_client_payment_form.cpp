#include "ui/records/change_client_payment_form.h"

#include <QGroupBox>
#include <QPushButton>

#include "ui/matters/matter_widgets.h"
#include "ui/records/payment_entry_part.h"
#include "ui/records/payment_shown.h"
#include "ui/records/record_widgets.h"
#include "ui/records/selection_part.h"

namespace vrk::ui {

using namespace recordforms;

TChangeClientPaymentForm::TChangeClientPaymentForm(AppServices& services, QWidget* parent)
    : RecordLogicDialog(services, parent, QStringLiteral("TChangeClientPaymentForm")),
      selection_(new SelectionPart(paymentLists([this] { return logic_ ? &logic_->selection() : nullptr; }),
                                   QStringLiteral("Payment Date"), this)),
      former_(new PaymentShown(QStringLiteral("Former"), this)),
      entry_(new PaymentEntryPart(QStringLiteral("Payment Amount"), this)) {
  auto* save = namedButton(QStringLiteral("Save"), "SaveButton", this);
  layOutRecordForm(this, QStringLiteral("Change Payment For Client/Date"),
                   {selection_, titledGroup(QStringLiteral("Former Payment Record"), former_, this),
                    titledGroup(QStringLiteral("New Payment Record"), entry_, this)},
                   {save, cancelButton(this)});
  connect(selection_->displayButton(), &QPushButton::clicked, this, &TChangeClientPaymentForm::display);
  connect(save, &QPushButton::clicked, this, &TChangeClientPaymentForm::save);
}

void TChangeClientPaymentForm::prepareBoxes() {
  selection_->reset(logic_->selection().clients(), true);
  former_->clear();
  entry_->reset(logic_->clientCodes(), false, services().clock.today(), QString());
}

void TChangeClientPaymentForm::display() {
  if (!logic_) return;
  bool found = false;
  act([&] {
    auto outcome = logic_->selection().display(selection_->client(), selection_->date());
    found = outcome.messages.empty();
    return outcome;
  });
  if (!found || !logic_->selection().selected()) return;
  const records::PaymentBoxes shown = logic_->shownBoxes();
  former_->showRecord(shown, logic_->selection().selected()->dateText);
  entry_->showRecord(shown);
}

void TChangeClientPaymentForm::save() {
  if (!logic_) return;
  const auto input = entry_->boxes();
  const auto outcome = act([&] { return logic_->save(input); });
  if (!outcome.closed()) applyWriteBack(this, outcome);
}

}  // namespace vrk::ui
