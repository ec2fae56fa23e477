#include "ui/clients/delete_client_form.h"

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
#include "ui/common/message_boxes.h"

namespace vrk::ui {

using clientforms::dialogHeading;
using clientforms::namedButton;
using clientforms::codeComboBox;
using clientforms::fillComboBox;
using clientforms::storedText;
using clientforms::qDate;

TDeleteClientForm::TDeleteClientForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      code_(codeComboBox(QStringLiteral("ClientCodeComboBox"), true, this)),
      shownCode_(new QLineEdit(this)),
      fields_(new ClientFieldsPanel(ClientFieldsPanel::Kind::ReadOnly, this)) {
  setObjectName(QStringLiteral("TDeleteClientForm"));
  shownCode_->setObjectName(QStringLiteral("ClientCodeEditBox"));
  shownCode_->setReadOnly(true);
  auto* show = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
  auto* erase = namedButton(QStringLiteral("Delete"), QStringLiteral("DeleteButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(show, &QPushButton::clicked, this, &TDeleteClientForm::display);
  connect(erase, &QPushButton::clicked, this, &TDeleteClientForm::remove);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* codeRow = new QHBoxLayout;
  codeRow->addWidget(new QLabel(QStringLiteral("Client Code"), this));
  codeRow->addWidget(code_);
  codeRow->addWidget(show);
  codeRow->addStretch();
  codeRow->addWidget(shownCode_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(erase);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dialogHeading(QStringLiteral("Delete Client"), this));
  layout->addLayout(codeRow);
  layout->addWidget(fields_);
  layout->addLayout(buttons);
}

bool TDeleteClientForm::reload() {
  return load([this] {
    logic_.emplace(folder());
    fillComboBox(code_, logic_->codes(), true);
    fields_->clear(qDate(services().clock.today()));
    shownCode_->clear();
  });
}

int TDeleteClientForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void TDeleteClientForm::display() {
  if (!logic_) return;
  act([&] { return logic_->display(storedText(code_)); });
  if (!logic_->shown()) return;
  fields_->show(logic_->shown()->fields);
  shownCode_->setText(platform::fromStored(logic_->shown()->code));
}

void TDeleteClientForm::remove() {
  if (!logic_) return;
  MessageBoxPrompter prompter(this);
  if (act([&] { return logic_->remove(storedText(code_), prompter); }).closed()) logic_.reset();
}

}  // namespace vrk::ui
