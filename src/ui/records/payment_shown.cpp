#include "ui/records/payment_shown.h"

#include <QFormLayout>
#include <QLineEdit>

#include "platform/text_codec.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

using namespace recordforms;

PaymentShown::PaymentShown(const QString& namePrefix, QWidget* parent)
    : QWidget(parent),
      client_(new QLineEdit(this)),
      date_(new QLineEdit(this)),
      amount_(new QLineEdit(this)) {
  setObjectName(namePrefix + QStringLiteral("PaymentShown"));
  const std::pair<QLineEdit*, QString> boxes[] = {{client_, QStringLiteral("ClientCodeEditBox")},
                                                  {date_, QStringLiteral("PaymentDateEditBox")},
                                                  {amount_, QStringLiteral("PaymentAmountEditBox")}};
  for (const auto& [box, name] : boxes) {
    box->setObjectName(namePrefix + name);
    box->setReadOnly(true);
  }
  auto* rows = partRows(this);
  rows->addRow(QStringLiteral("Client Code"), client_);
  rows->addRow(QStringLiteral("Payment Date"), date_);
  rows->addRow(QStringLiteral("Payment Amount"), amount_);
}

void PaymentShown::clear() {
  for (auto* box : {client_, date_, amount_}) box->clear();
}

void PaymentShown::showRecord(const records::PaymentBoxes& boxes, const std::string& dateText) {
  client_->setText(platform::fromStored(boxes.client));
  date_->setText(platform::fromStored(dateText));
  amount_->setText(platform::fromStored(boxes.amount));
}

}  // namespace vrk::ui
