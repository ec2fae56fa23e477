#include "ui/clients/delete_client_form.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/clients/client_fields_panel.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/message_boxes.h"

namespace vrk::ui {

using namespace clientforms;

TDeleteClientForm::TDeleteClientForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      code_(codeComboBox(QStringLiteral("ClientCodeComboBox"), true, this)),
      shownCode_(shownCodeBox(true, this)),
      fields_(new ClientFieldsPanel(ClientFieldsPanel::Kind::ReadOnly, this)) {
  setObjectName(QStringLiteral("TDeleteClientForm"));
  auto* show = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
  auto* erase = namedButton(QStringLiteral("Delete"), QStringLiteral("DeleteButton"), this);
  connect(show, &QPushButton::clicked, this, &TDeleteClientForm::display);
  connect(erase, &QPushButton::clicked, this, &TDeleteClientForm::remove);

  layOutClientForm(this, QStringLiteral("Delete Client"), displayRow(code_, show, shownCode_, {}, this),
                   fields_, {erase, cancelButton(this)});
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
  showDisplayed(logic_->shown(), fields_, shownCode_);
}

void TDeleteClientForm::remove() {
  if (!logic_) return;
  MessageBoxPrompter prompter(this);
  if (act([&] { return logic_->remove(storedText(code_), prompter); }).closed()) logic_.reset();
}

}  // namespace vrk::ui
