#include "ui/clients/change_client_form.h"

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

namespace vrk::ui {

using clientforms::dialogHeading;
using clientforms::namedButton;
using clientforms::codeComboBox;
using clientforms::fillComboBox;
using clientforms::storedText;
using clientforms::qDate;

TChangeClientForm::TChangeClientForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      code_(codeComboBox(QStringLiteral("ClientCodeComboBox"), true, this)),
      newCode_(new QLineEdit(this)),
      fields_(new ClientFieldsPanel(ClientFieldsPanel::Kind::Change, this)) {
  setObjectName(QStringLiteral("TChangeClientForm"));
  newCode_->setObjectName(QStringLiteral("ClientCodeEditBox"));
  auto* show = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
  auto* save = namedButton(QStringLiteral("Save"), QStringLiteral("SaveButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(show, &QPushButton::clicked, this, &TChangeClientForm::display);
  connect(save, &QPushButton::clicked, this, &TChangeClientForm::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* codeRow = new QHBoxLayout;
  codeRow->addWidget(new QLabel(QStringLiteral("Client Code"), this));
  codeRow->addWidget(code_);
  codeRow->addWidget(show);
  codeRow->addStretch();
  codeRow->addWidget(new QLabel(QStringLiteral("Client Code (may be changed)"), this));
  codeRow->addWidget(newCode_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dialogHeading(QStringLiteral("Change Data For Client"), this));
  layout->addLayout(codeRow);
  layout->addWidget(fields_);
  layout->addLayout(buttons);
}

bool TChangeClientForm::reload() {
  return load([this] {
    logic_.emplace(folder());
    fillComboBox(code_, logic_->codes(), true);
    fields_->setGroups(logic_->groups());
    fields_->clear(qDate(services().clock.today()));
    newCode_->clear();
  });
}

int TChangeClientForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void TChangeClientForm::display() {
  if (!logic_) return;
  act([&] { return logic_->display(storedText(code_)); });
  if (!logic_->shown()) return;
  fields_->show(logic_->shown()->fields);
  newCode_->setText(platform::fromStored(logic_->shown()->code));
}

void TChangeClientForm::save() {
  if (!logic_) return;
  clients::ClientFields input = fields_->fields();
  input.code = platform::toStored(newCode_->text());
  const auto outcome = act([&] { return logic_->save(input); });
  fields_->writeBack(outcome);
  if (outcome.closed()) logic_.reset();
}

}  // namespace vrk::ui
