#include "ui/clients/add_client_form.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/clients/client_fields_panel.h"
#include "ui/clients/client_form_parts.h"

namespace vrk::ui {

using clientforms::dialogHeading;
using clientforms::namedButton;
using clientforms::codeComboBox;
using clientforms::fillComboBox;
using clientforms::storedText;
using clientforms::qDate;

TAddClientForm::TAddClientForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      code_(codeComboBox(QStringLiteral("ClientCodeComboBox"), true, this)),
      fields_(new ClientFieldsPanel(ClientFieldsPanel::Kind::Add, this)) {
  setObjectName(QStringLiteral("TAddClientForm"));
  auto* save = namedButton(QStringLiteral("Save"), QStringLiteral("SaveButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(save, &QPushButton::clicked, this, &TAddClientForm::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* codeRow = new QHBoxLayout;
  codeRow->addWidget(dialogHeading(QStringLiteral("Client Code"), this));
  codeRow->addWidget(code_);
  codeRow->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dialogHeading(QStringLiteral("Add A New Client"), this));
  layout->addLayout(codeRow);
  layout->addWidget(fields_);
  layout->addLayout(buttons);
}

bool TAddClientForm::reload() {
  return load([this] {
    logic_.emplace(folder());
    fillComboBox(code_, logic_->codes(), false);
    fields_->setGroups(logic_->groups());
    fields_->clear(qDate(services().clock.today()));
  });
}

int TAddClientForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void TAddClientForm::save() {
  if (!logic_) return;
  clients::ClientFields input = fields_->fields();
  input.code = storedText(code_);
  if (act([&] { return logic_->save(input); }).closed()) logic_.reset();
}

}  // namespace vrk::ui
