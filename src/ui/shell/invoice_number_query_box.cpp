#include "ui/shell/invoice_number_query_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "ui/common/message_boxes.h"
#include "ui/common/up_down_edit.h"

namespace vrk::ui {

TInvoiceNumberQueryBox::TInvoiceNumberQueryBox(QWidget* parent)
    : QDialog(parent), number_(new UpDownEdit(1, 32766, this)) {
  setObjectName(QStringLiteral("TInvoiceNumberQueryBox"));
  setWindowTitle(QStringLiteral("VRK"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  number_->setObjectName(QStringLiteral("InvoiceNumberEdit"));
  auto* heading = new QLabel(QStringLiteral("Enter First Invoice Number"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  heading->setAlignment(Qt::AlignCenter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &TInvoiceNumberQueryBox::ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(number_);
  layout->addWidget(buttons);
  setFixedWidth(300);
}

std::optional<int> TInvoiceNumberQueryBox::ask() {
  query_ = shell::InvoiceNumberQuery();
  number_->setText(QStringLiteral("1"));
  number_->setFocus();
  number_->lineEdit()->selectAll();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return query_.number();
}

void TInvoiceNumberQueryBox::ok() {
  const auto outcome = query_.ok(platform::toStored(number_->text()));
  showOutcome(this, outcome);
  if (outcome.closing == dialog::Closing::Ok) accept();
}

}  // namespace vrk::ui
