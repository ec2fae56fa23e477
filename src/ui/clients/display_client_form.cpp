#include "ui/clients/display_client_form.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "ui/clients/client_fields_panel.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/printer_choice.h"

namespace vrk::ui {

using clientforms::dialogHeading;
using clientforms::namedButton;
using clientforms::codeComboBox;
using clientforms::fillComboBox;
using clientforms::storedText;
using clientforms::qDate;

TDisplayClientForm::TDisplayClientForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      code_(codeComboBox(QStringLiteral("ClientCodeComboBox"), false, this)),
      shownCode_(new QLineEdit(this)),
      fields_(new ClientFieldsPanel(ClientFieldsPanel::Kind::ReadOnly, this)) {
  setObjectName(QStringLiteral("TDisplayClientForm"));
  shownCode_->setObjectName(QStringLiteral("ClientCodeEditBox"));
  shownCode_->setReadOnly(true);
  auto* show = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
  auto* print = namedButton(QStringLiteral("Print"), QStringLiteral("PrintButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(show, &QPushButton::clicked, this, &TDisplayClientForm::display);
  connect(print, &QPushButton::clicked, this, &TDisplayClientForm::print);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* codeRow = new QHBoxLayout;
  codeRow->addWidget(new QLabel(QStringLiteral("Client Code"), this));
  codeRow->addWidget(code_);
  codeRow->addWidget(show);
  codeRow->addStretch();
  codeRow->addWidget(shownCode_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(print);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dialogHeading(QStringLiteral("Data For Client "), this));
  layout->addLayout(codeRow);
  layout->addWidget(fields_);
  layout->addLayout(buttons);
}

bool TDisplayClientForm::reload() {
  return load([this] {
    logic_.emplace(folder(), services().session.billingPeriod);
    fillComboBox(code_, logic_->codes(), true);
    fields_->clear(qDate(services().clock.today()));
    shownCode_->clear();
  });
}

int TDisplayClientForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void TDisplayClientForm::display() {
  if (!logic_) return;
  act([&] { return logic_->display(storedText(code_)); });
  if (!logic_->shown()) return;
  fields_->show(logic_->shown()->fields);
  shownCode_->setText(platform::fromStored(logic_->shown()->code));
}

void TDisplayClientForm::print() {
  if (!logic_) return;
  act([&] {
    auto printed = logic_->print(services().clock.today());
    if (printed.document) services().printer.print(this, *printed.document);
    return printed.outcome;
  });
}

}  // namespace vrk::ui
