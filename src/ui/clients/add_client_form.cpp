#include "ui/clients/add_client_form.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/clients/client_fields_panel.h"
#include "ui/clients/client_form_parts.h"

namespace vrk::ui {

using namespace clientforms;

TAddClientForm::TAddClientForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      code_(codeComboBox(QStringLiteral("ClientCodeComboBox"), true, this)),
      fields_(new ClientFieldsPanel(ClientFieldsPanel::Kind::Add, this)) {
  setObjectName(QStringLiteral("TAddClientForm"));
  auto* save = namedButton(QStringLiteral("Save"), QStringLiteral("SaveButton"), this);
  auto* cancel = cancelButton(this);
  connect(save, &QPushButton::clicked, this, &TAddClientForm::save);

  auto* codeRow = new QHBoxLayout;
  codeRow->addWidget(dialogHeading(QStringLiteral("Client Code"), this));
  codeRow->addWidget(code_);
  codeRow->addStretch();
  layOutClientForm(this, QStringLiteral("Add A New Client"), codeRow, fields_, {save, cancel});
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
