#include "ui/clients/client_group_forms.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/message_boxes.h"
#include "ui/common/printer_choice.h"

namespace vrk::ui {

using namespace clientforms;

ClientGroupForm::ClientGroupForm(AppServices& services, const QString& heading, const QString& action,
                                 QWidget* parent)
    : VrkDialog(services, parent),
      group_(codeComboBox(QStringLiteral("ClientGroupComboBox"), false, this)),
      grid_(new QTableWidget(1, clients::kGridColumns, this)) {
  grid_->setObjectName(QStringLiteral("StringGrid1"));
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setDefaultSectionSize(66);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setMinimumWidth(66 * clients::kGridColumns + 4);

  auto* show = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
  auto* middle = namedButton(action, action + QStringLiteral("Button"), this);
  auto* cancel = cancelButton(this);
  connect(show, &QPushButton::clicked, this, [this] { display(); });
  connect(middle, &QPushButton::clicked, this, [this] { middleButton(); });

  auto* groupRow = new QHBoxLayout;
  groupRow->addWidget(new QLabel(QStringLiteral("Client Group"), this));
  groupRow->addWidget(group_);
  groupRow->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(show);
  buttons->addStretch();
  buttons->addWidget(middle);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dialogHeading(heading, this));
  layout->addLayout(groupRow);
  layout->addWidget(grid_);
  layout->addLayout(buttons);
}

int ClientGroupForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void ClientGroupForm::showLists(const clients::GroupDialogLists& lists) {
  fillComboBox(group_, lists.groups, true);
  grid_->clearContents();
  grid_->setRowCount(lists.gridRows());
}

void ClientGroupForm::showCodes(const std::optional<clients::GroupListing>& listing) {
  grid_->clearContents();
  if (!listing) return;
  const auto count = static_cast<int>(listing->codes.size());
  if (grid_->rowCount() * clients::kGridColumns < count)
    grid_->setRowCount(count / clients::kGridColumns + 1);
  for (int i = 0; i < count; ++i)
    grid_->setItem(i / clients::kGridColumns, i % clients::kGridColumns,
                   new QTableWidgetItem(platform::fromStored(listing->codes[static_cast<std::size_t>(i)])));
}

std::string ClientGroupForm::group() const { return storedText(group_); }

TDisplayClientCodesForm::TDisplayClientCodesForm(AppServices& services, QWidget* parent)
    : ClientGroupForm(services, QStringLiteral("Client Codes In Client Group"), QStringLiteral("Print"),
                      parent) {
  setObjectName(QStringLiteral("TDisplayClientCodesForm"));
}

bool TDisplayClientCodesForm::reload() {
  return load([this] {
    logic_.emplace(folder(), services().session.billingPeriod);
    showLists(logic_->lists());
  });
}

void TDisplayClientCodesForm::display() {
  if (!logic_) return;
  act([&] { return logic_->display(group()); });
  showCodes(logic_->listing());
}

void TDisplayClientCodesForm::middleButton() {
  if (!logic_) return;
  const auto outcome = act([&] {
    auto printed = logic_->print(group(), services().clock.today());
    // A printer error has been shown: the dialog stays open with the codes listed.
    if (printed.document && !services().printer.print(this, *printed.document)) return dialog::Outcome{};
    return printed.outcome;
  });
  if (outcome.closing != dialog::Closing::Stay) showCodes(std::nullopt);
}

TDeleteClientGroupForm::TDeleteClientGroupForm(AppServices& services, QWidget* parent)
    : ClientGroupForm(services, QStringLiteral("Delete Client Group"), QStringLiteral("Delete"), parent) {
  setObjectName(QStringLiteral("TDeleteClientGroupForm"));
}

bool TDeleteClientGroupForm::reload() {
  return load([this] {
    logic_.emplace(folder());
    showLists(logic_->lists());
  });
}

void TDeleteClientGroupForm::display() {
  if (!logic_) return;
  act([&] { return logic_->display(group()); });
  showCodes(logic_->listing());
}

void TDeleteClientGroupForm::middleButton() {
  if (!logic_) return;
  MessageBoxPrompter prompter(this);
  if (act([&] { return logic_->remove(prompter); }).closed()) showCodes(std::nullopt);
}

}  // namespace vrk::ui
