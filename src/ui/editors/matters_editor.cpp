#include "ui/editors/matters_editor.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/matters/matter_boxes.h"
#include "core/matters/matter_record.h"
#include "platform/text_codec.h"
#include "ui/common/capitals.h"
#include "ui/matters/matter_widgets.h"

namespace vrk::ui {

namespace editors {

MatterEditPart::MatterEditPart()
    : client_(namedLine("ClientCodeEditBox", this)),
      number_(namedLine(matters::box::kMatterNumberEditBox, this)),
      created_(namedDatePicker("DateTimePicker1", this)),
      attorney_(namedComboBox("PrincipalAttorneyComboBox", this)),
      schedule_(namedComboBox("FeeScheduleComboBox", this)),
      description_(descriptionBox("Memo1", int(matters::kDescriptionLines), this)),
      hours_(namedLine(matters::box::kHoursToDateEditBox, this)),
      fees_(namedLine(matters::box::kFeesToDateEditBox, this)),
      costs_(namedLine(matters::box::kCostsToDateEditBox, this)),
      credits_(namedLine(matters::box::kCreditsToDateEditBox, this)) {
  capitaliseOnLeave(client_);
  capitaliseOnLeave(attorney_);
  auto* rows = partRows(this);
  rows->addRow(QStringLiteral("Client Code"), client_);
  rows->addRow(QStringLiteral("Matter Number"), number_);
  rows->addRow(QStringLiteral("Date Matter Created"), created_);
  rows->addRow(QStringLiteral("Principal Attorney"), attorney_);
  rows->addRow(QStringLiteral("Fee Schedule"), schedule_);
  rows->addRow(QStringLiteral("Matter Description (1 - 4 Lines)"), description_);
  rows->addRow(QStringLiteral("Hours To Date  For This Matter"), hours_);
  rows->addRow(QStringLiteral("Fees To Date For This Matter"), fees_);
  rows->addRow(QStringLiteral("Costs To Date For This Matter"), costs_);
  rows->addRow(QStringLiteral("Credits To Date For This Matter"), credits_);
}

void MatterEditPart::load(const records::MatterEditor& editor) {
  setStoredItems(attorney_, editor.lists().attorneys);
  setStoredItems(schedule_, scheduleNumbers(editor.lists().scheduleCount));
}

void MatterEditPart::clear(const store::CalendarDate& today) {
  for (auto* box : {client_, number_, hours_, fees_, costs_, credits_}) box->clear();
  setPickedDate(created_, today);
  attorney_->clearEditText();
  schedule_->clearEditText();
  description_->clear();
}

void MatterEditPart::show(const matters::MatterBoxes& boxes) {
  client_->setText(platform::fromStored(boxes.client));
  number_->setText(platform::fromStored(boxes.number));
  setPickedDate(created_, boxes.dateCreated);
  attorney_->setEditText(platform::fromStored(boxes.attorney));
  schedule_->setEditText(platform::fromStored(boxes.feeSchedule));
  setMemoLines(description_, boxes.description);
  hours_->setText(platform::fromStored(boxes.hours));
  fees_->setText(platform::fromStored(boxes.fees));
  costs_->setText(platform::fromStored(boxes.costs));
  credits_->setText(platform::fromStored(boxes.credits));
}

matters::MatterBoxes MatterEditPart::boxes() const {
  matters::MatterBoxes boxes;
  boxes.client = storedText(client_);
  boxes.number = storedText(number_);
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

}  // namespace editors

TReviewChangeClientMattersForm::TReviewChangeClientMattersForm(AppServices& services, QWidget* parent)
    : EditorLogicForm(services, parent, QStringLiteral("TReviewChangeClientMattersForm"),
                      QStringLiteral("Review/Change Matters For Client")) {}

}  // namespace vrk::ui
