#include "ui/matters/matter_record_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "ui/common/capitals.h"
#include "ui/matters/matter_widgets.h"

namespace vrk::ui {
namespace {

QLineEdit* namedEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

}  // namespace

MatterRecordForm::MatterRecordForm(AppServices& services, QWidget* parent, const Setup& setup)
    : VrkDialog(services, parent),
      client_(namedComboBox("ClientCodeComboBox", this)),
      number_(namedComboBox("MatterNumberComboBox", this)),
      keyClient_(namedEdit("ClientCodeEditBox", this)),
      keyNumber_(namedEdit("MatterNumberEditBox", this)),
      description_(namedMemo("Memo1", this)),
      created_(namedDatePicker("DateTimePicker1", this)),
      attorney_(namedComboBox("PrincipalAttorneyComboBox", this)),
      schedule_(namedComboBox("FeeScheduleComboBox", this)),
      hours_(namedEdit("HoursToDateEditBox", this)),
      fees_(namedEdit("FeesToDateEditBox", this)),
      costs_(namedEdit("CostsToDateEditBox", this)),
      credits_(namedEdit("CreditsToDateEditBox", this)) {
  setObjectName(setup.objectName);
  editable_ = setup.editable;
  capitaliseOnLeave(client_);
  if (setup.editable) {
    capitaliseOnLeave(keyClient_);
    capitaliseOnLeave(attorney_);
  } else {
    for (auto* edit : {keyClient_, keyNumber_, hours_, fees_, costs_, credits_}) edit->setReadOnly(true);
    description_->setReadOnly(true);
    created_->setReadOnly(true);
    attorney_->setEnabled(false);
    schedule_->setEnabled(false);
  }

  auto* displayButton = namedButton(QStringLiteral("Display"), "DisplayButton", this);
  auto* selectionRow = new QHBoxLayout;
  selectionRow->addWidget(new QLabel(QStringLiteral("Client Code"), this));
  selectionRow->addWidget(client_);
  selectionRow->addWidget(new QLabel(QStringLiteral("Matter Number"), this));
  selectionRow->addWidget(number_);
  selectionRow->addWidget(displayButton);

  auto* form = matterRows(
      {keyClient_, keyNumber_, description_, created_, attorney_, schedule_, hours_, fees_, costs_, credits_},
      QString::fromLatin1(kHoursLabel));
  auto* action = namedButton(setup.actionText, setup.actionName, this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), "CancelButton", this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(setup.label, this));
  layout->addLayout(selectionRow);
  layout->addLayout(form);
  layout->addLayout(rightButtonRow({action, cancel}));

  onClientLeft(client_, this, [this] { clientLeft(); });
  connect(client_->lineEdit(), &QLineEdit::textEdited, number_, &QComboBox::clearEditText);
  connect(displayButton, &QPushButton::clicked, this, &MatterRecordForm::display);
  connect(action, &QPushButton::clicked, this, [this] {
    if (selection()) runAction();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int MatterRecordForm::exec() {
  if (!load([this] { makeLogic(); })) return Rejected;
  setListItems(selection()->lists(), client_, number_, attorney_, schedule_);
  clearFields();
  setEditPartEnabled(false);  // nothing to change before a Display has filled it
  const int result = VrkDialog::exec();
  dropLogic();
  return result;
}

void MatterRecordForm::clientLeft() {
  if (!selection()) return;
  setStoredItems(number_, selection()->lists().numbersOf(storedText(client_)));
  if (number_->count() > 0) number_->setCurrentIndex(0);
}

void MatterRecordForm::display() {
  if (!selection()) return;
  const std::string client = storedText(client_);
  const std::string number = storedText(number_);
  act([&] { return selection()->display(client, number); });
  if (!selection()->displayed()) return;
  fillFields(selection()->displayedBoxes());
  setEditPartEnabled(true);
}

void MatterRecordForm::setEditPartEnabled(bool enabled) {
  if (!editable_) return;  // the display and delete dialogs show their fields read-only
  for (QWidget* box : std::initializer_list<QWidget*>{keyClient_, keyNumber_, description_, created_,
                                                      attorney_, schedule_, hours_, fees_, costs_, credits_})
    box->setEnabled(enabled);
}

void MatterRecordForm::fillFields(const matters::MatterBoxes& boxes) {
  keyClient_->setText(platform::fromStored(boxes.client));
  keyNumber_->setText(platform::fromStored(boxes.number));
  setMemoLines(description_, boxes.description);
  setPickedDate(created_, boxes.dateCreated);
  attorney_->setEditText(platform::fromStored(boxes.attorney));
  schedule_->setEditText(platform::fromStored(boxes.feeSchedule));
  hours_->setText(platform::fromStored(boxes.hours));
  fees_->setText(platform::fromStored(boxes.fees));
  costs_->setText(platform::fromStored(boxes.costs));
  credits_->setText(platform::fromStored(boxes.credits));
}

void MatterRecordForm::clearFields() {
  for (auto* edit : {keyClient_, keyNumber_, hours_, fees_, costs_, credits_}) edit->clear();
  description_->clear();
  setPickedDate(created_, services().clock.today());
  attorney_->clearEditText();
  schedule_->clearEditText();
}

matters::MatterBoxes MatterRecordForm::fieldBoxes() const {
  matters::MatterBoxes boxes;
  boxes.client = storedText(keyClient_);
  boxes.number = storedText(keyNumber_);
  boxes.description = memoLines(description_);
  boxes.dateCreated = pickedDate(created_);
  boxes.attorney = storedText(attorney_);
  boxes.feeSchedule = storedText(schedule_);
  boxes.hours = storedText(hours_);
  boxes.fees = storedText(fees_);
  boxes.costs = storedText(costs_);
  boxes.credits = storedText(credits_);
  return boxes;
}

}  // namespace vrk::ui
