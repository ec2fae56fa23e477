#include "ui/editors/payment_records_editor.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>

#include "core/records/record_boxes.h"
#include "platform/text_codec.h"
#include "ui/common/capitals.h"
#include "ui/matters/matter_widgets.h"

namespace vrk::ui {

namespace editors {

PaymentEditPart::PaymentEditPart()
    : client_(namedComboBox(records::box::kClientCode, this)),
      date_(namedDatePicker("DateTimePicker1", this)),
      amount_(namedLine(records::box::kAmount, this)) {
  capitaliseOnLeave(client_);
  auto* rows = partRows(this);
  rows->addRow(QStringLiteral("Client Code"), client_);
  rows->addRow(QStringLiteral("Payment Date"), date_);
  rows->addRow(QStringLiteral("Payment Amount"), amount_);
}

void PaymentEditPart::load(const records::PaymentRecordEditor& editor) {
  setStoredItems(client_, editor.clientCodes());
}

void PaymentEditPart::clear(const store::CalendarDate& today) {
  client_->clearEditText();
  setPickedDate(date_, today);
  amount_->clear();
}

void PaymentEditPart::show(const records::PaymentBoxes& boxes) {
  client_->setEditText(platform::fromStored(boxes.client));
  setPickedDate(date_, boxes.date);
  amount_->setText(platform::fromStored(boxes.amount));
}

records::PaymentBoxes PaymentEditPart::boxes() const {
  return {storedText(client_), pickedDate(date_), storedText(amount_)};
}

}  // namespace editors

TReviewChangeClientPaymentRecordsForm::TReviewChangeClientPaymentRecordsForm(AppServices& services, QWidget* parent)
    : EditorLogicForm(services, parent, QStringLiteral("TReviewChangeClientPaymentRecordsForm"),
                      QStringLiteral("Review/Change Records For Client")) {}

}  // namespace vrk::ui
