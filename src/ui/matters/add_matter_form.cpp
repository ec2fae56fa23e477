#include "ui/matters/add_matter_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/rules/input_rules.h"
#include "platform/text_codec.h"
#include "ui/common/capitals.h"
#include "ui/common/masked_edit.h"
#include "ui/matters/matter_widgets.h"

namespace vrk::ui {

TAddMatterForm::TAddMatterForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      client_(namedComboBox("ClientCodeComboBox", this)),
      number_(namedComboBox("MatterNumberComboBox", this)),
      description_(namedMemo("Memo1", this)),
      created_(namedDatePicker("DateTimePicker1", this)),
      attorney_(namedComboBox("PrincipalAttorneyComboBox", this)),
      schedule_(namedComboBox("FeeScheduleComboBox", this)),
      hours_(MaskedEdit::hours(this)),
      fees_(MaskedEdit::amount(this)),
      costs_(MaskedEdit::amount(this)),
      credits_(MaskedEdit::amount(this)) {
  setObjectName(QStringLiteral("TAddMatterForm"));
  hours_->setObjectName(QStringLiteral("HoursToDateMaskEditBox"));
  fees_->setObjectName(QStringLiteral("FeesToDateMaskEditBox"));
  costs_->setObjectName(QStringLiteral("CostsToDateMaskEditBox"));
  credits_->setObjectName(QStringLiteral("CreditsToDateMaskEditBox"));
  capitaliseOnLeave(client_);
  capitaliseOnLeave(attorney_);

  auto* form = matterRows(
      {client_, number_, description_, created_, attorney_, schedule_, hours_, fees_, costs_, credits_},
      QStringLiteral("Hours To Date  For This Matter"));
  auto* save = namedButton(QStringLiteral("Save"), "SaveButton", this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), "CancelButton", this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Add A New Matter"), this));
  layout->addLayout(form);
  layout->addLayout(rightButtonRow({save, cancel}));

  // The number list follows the client code as it is typed or picked.
  connect(client_, &QComboBox::currentTextChanged, this, [this] { refreshNumbers(); });
  connect(save, &QPushButton::clicked, this, &TAddMatterForm::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TAddMatterForm::exec() {
  if (!load([this] { logic_.emplace(folder()); })) return Rejected;
  const auto& lists = logic_->lists();
  setListItems(lists, client_, number_, attorney_, schedule_);
  schedule_->setCurrentIndex(lists.scheduleCount > 0 ? 0 : -1);
  description_->clear();
  setPickedDate(created_, services().clock.today());
  for (auto* box : {hours_, fees_, costs_, credits_}) box->clearToBlanks();
  const int result = VrkDialog::exec();
  logic_.reset();
  return result;
}

void TAddMatterForm::refreshNumbers() {
  if (!logic_) return;
  const QString typed = number_->currentText();
  setStoredItems(number_, logic_->lists().numbersOf(rules::capitals(storedText(client_))));
  number_->setEditText(typed);
}

matters::MatterBoxes TAddMatterForm::boxes() const {
  matters::MatterBoxes boxes;
  boxes.client = storedText(client_);
  boxes.number = storedText(number_);
  boxes.description = memoLines(description_);
  boxes.dateCreated = pickedDate(created_);
  boxes.attorney = storedText(attorney_);
  boxes.feeSchedule = storedText(schedule_);
  boxes.hours = platform::toStored(hours_->maskText());
  boxes.fees = platform::toStored(fees_->maskText());
  boxes.costs = platform::toStored(costs_->maskText());
  boxes.credits = platform::toStored(credits_->maskText());
  return boxes;
}

void TAddMatterForm::save() {
  if (!logic_) return;
  const auto input = boxes();
  const auto outcome = act([&] { return logic_->save(input); });
  if (!outcome.closed()) applyWriteBack(this, outcome);
}

}  // namespace vrk::ui
