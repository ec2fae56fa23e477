#include "ui/clients/change_client_form.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "platform/text_codec.h"
#include "ui/clients/client_fields_panel.h"
#include "ui/clients/client_form_parts.h"

namespace vrk::ui {

using namespace clientforms;

TChangeClientForm::TChangeClientForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      code_(codeComboBox(QStringLiteral("ClientCodeComboBox"), true, this)),
      newCode_(shownCodeBox(false, this)),
      fields_(new ClientFieldsPanel(ClientFieldsPanel::Kind::Change, this)) {
  setObjectName(QStringLiteral("TChangeClientForm"));
  auto* show = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
  auto* save = namedButton(QStringLiteral("Save"), QStringLiteral("SaveButton"), this);
  connect(show, &QPushButton::clicked, this, &TChangeClientForm::display);
  connect(save, &QPushButton::clicked, this, &TChangeClientForm::save);

  layOutClientForm(this, QStringLiteral("Change Data For Client"),
                   displayRow(code_, show, newCode_, QStringLiteral("Client Code (may be changed)"), this),
                   fields_, {save, cancelButton(this)});
}

bool TChangeClientForm::reload() {
  return load([this] {
    logic_.emplace(folder());
    fillComboBox(code_, logic_->codes(), true);
    fields_->setGroups(logic_->groups());
    fields_->clear(qDate(services().clock.today()));
    newCode_->clear();
    // Nothing to change before a Display has filled the edit part.
    fields_->setEnabled(false);
    newCode_->setEnabled(false);
  });
}

int TChangeClientForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void TChangeClientForm::display() {
  if (!logic_) return;
  act([&] { return logic_->display(storedText(code_)); });
  showDisplayed(logic_->shown(), fields_, newCode_);
  fields_->setEnabled(logic_->shown().has_value());
  newCode_->setEnabled(logic_->shown().has_value());
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
