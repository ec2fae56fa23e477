#include "ui/clients/display_client_form.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/clients/client_fields_panel.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/printer_choice.h"

namespace vrk::ui {

using namespace clientforms;

TDisplayClientForm::TDisplayClientForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      code_(codeComboBox(QStringLiteral("ClientCodeComboBox"), false, this)),
      shownCode_(shownCodeBox(true, this)),
      fields_(new ClientFieldsPanel(ClientFieldsPanel::Kind::ReadOnly, this)) {
  setObjectName(QStringLiteral("TDisplayClientForm"));
  auto* show = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
  auto* print = namedButton(QStringLiteral("Print"), QStringLiteral("PrintButton"), this);
  connect(show, &QPushButton::clicked, this, &TDisplayClientForm::display);
  connect(print, &QPushButton::clicked, this, &TDisplayClientForm::print);

  layOutClientForm(this, QStringLiteral("Data For Client "), displayRow(code_, show, shownCode_, {}, this),
                   fields_, {print, cancelButton(this)});
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
  showDisplayed(logic_->shown(), fields_, shownCode_);
}

void TDisplayClientForm::print() {
  if (!logic_) return;
  act([&] {
    auto printed = logic_->print(services().clock.today());
    // A printer error has been shown: the dialog stays open with the client displayed.
    if (printed.document && !services().printer.print(this, *printed.document)) return dialog::Outcome{};
    return printed.outcome;
  });
}

}  // namespace vrk::ui
