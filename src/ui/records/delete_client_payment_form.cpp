#include "ui/records/delete_client_payment_form.h"

#include <QPushButton>

#include "ui/matters/matter_widgets.h"
#include "ui/records/payment_shown.h"
#include "ui/records/record_widgets.h"
#include "ui/records/selection_part.h"

namespace vrk::ui {

using namespace recordforms;

TDeleteClientPaymentForm::TDeleteClientPaymentForm(AppServices& services, QWidget* parent)
    : RecordLogicDialog(services, parent, QStringLiteral("TDeleteClientPaymentForm")),
      selection_(new SelectionPart(paymentLists([this] { return logic_ ? &logic_->selection() : nullptr; }),
                                   QStringLiteral("Payment Date"), this)),
      shown_(new PaymentShown(QString(), this)) {
  auto* remove = namedButton(QStringLiteral("Delete"), "DeleteButton", this);
  layOutRecordForm(this, QStringLiteral("Delete Payment For Client/Date"), {selection_, shown_},
                   {remove, cancelButton(this)});
  connect(selection_->displayButton(), &QPushButton::clicked, this, &TDeleteClientPaymentForm::display);
  connect(remove, &QPushButton::clicked, this, [this] {
    if (logic_) act([this] { return logic_->remove(); });
  });
}

void TDeleteClientPaymentForm::prepareBoxes() {
  selection_->reset(logic_->selection().clients(), true);
  shown_->clear();
}

void TDeleteClientPaymentForm::display() {
  if (!logic_) return;
  bool found = false;
  act([&] {
    auto outcome = logic_->selection().display(selection_->client(), selection_->date());
    found = outcome.messages.empty();
    return outcome;
  });
  if (found && logic_->selection().selected())
    shown_->showRecord(logic_->shownBoxes(), logic_->selection().selected()->dateText);
}

}  // namespace vrk::ui
