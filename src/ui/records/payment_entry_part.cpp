#include "ui/records/payment_entry_part.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>

#include "platform/text_codec.h"
#include "ui/common/capitals.h"
#include "ui/matters/matter_widgets.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

using namespace recordforms;

PaymentEntryPart::PaymentEntryPart(const QString& amountLabel, QWidget* parent)
    : QWidget(parent),
      client_(namedComboBox(records::box::kClientCode, this)),
      date_(namedDatePicker("DateTimePicker1", this)),
      amount_(namedEdit(records::box::kAmount, this)) {
  setObjectName(QStringLiteral("PaymentEntryPart"));
  capitaliseOnLeave(client_);
  auto* rows = partRows(this);
  rows->addRow(QStringLiteral("Client Code"), client_);
  rows->addRow(QStringLiteral("Payment Date"), date_);
  rows->addRow(amountLabel, amount_);
}

void PaymentEntryPart::reset(const std::vector<std::string>& clientCodes, bool showFirst,
                             const store::CalendarDate& date, const QString& amount) {
  fillList(client_, clientCodes, showFirst);
  setPickedDate(date_, date);
  amount_->setText(amount);
}

void PaymentEntryPart::clear(const store::CalendarDate& date) {
  client_->clearEditText();
  setPickedDate(date_, date);
  amount_->clear();
}

void PaymentEntryPart::showRecord(const records::PaymentBoxes& boxes) {
  client_->setEditText(platform::fromStored(boxes.client));
  setPickedDate(date_, boxes.date);
  amount_->setText(platform::fromStored(boxes.amount));
}

records::PaymentBoxes PaymentEntryPart::boxes() const {
  return {storedText(client_), pickedDate(date_), storedText(amount_)};
}

}  // namespace vrk::ui
