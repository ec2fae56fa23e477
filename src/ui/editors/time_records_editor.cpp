#include "ui/editors/time_records_editor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/records/record_boxes.h"
#include "core/records/record_fields.h"
#include "platform/text_codec.h"
#include "ui/common/capitals.h"
#include "ui/matters/matter_widgets.h"

namespace vrk::ui {

namespace editors {

TimeEditPart::TimeEditPart()
    : keys_(this),
      attorney_(namedComboBox("AttorneyInitialsComboBox", this)),
      time_(namedLine(records::box::kTime, this)),
      rate_(namedLine(records::box::kBillingRate, this)),
      description_(descriptionBox("DescriptionMemo", int(records::kTimeDescriptionLines), this)) {
  capitaliseOnLeave(attorney_);
  auto* rows = partRows(this);
  rows->addRow(QStringLiteral("Client Code"), keys_.client());
  rows->addRow(QStringLiteral("Matter Number"), keys_.matter());
  rows->addRow(QStringLiteral("Date"), keys_.date());
  rows->addRow(QStringLiteral("Attorney Initials"), attorney_);
  rows->addRow(QStringLiteral("Time (hours and tenths)"), time_);
  rows->addRow(QStringLiteral("Billing Rate (leave blank to use predefined fee schedule)"), rate_);
  rows->addRow(QStringLiteral("Activity Description (1 - 6 Lines)"), description_);
}

void TimeEditPart::load(const records::TimeRecordEditor& editor) {
  keys_.load(editor.lists());
  setStoredItems(attorney_, editor.lists().attorneys);
}

void TimeEditPart::clear(const store::CalendarDate& today) {
  keys_.clear(today);
  attorney_->clearEditText();
  time_->clear();
  rate_->clear();
  description_->clear();
}

void TimeEditPart::show(const records::TimeBoxes& boxes) {
  keys_.show(boxes.client, boxes.matter, boxes.date);
  attorney_->setEditText(platform::fromStored(boxes.attorney));
  time_->setText(platform::fromStored(boxes.time));
  rate_->setText(platform::fromStored(boxes.rate));
  setMemoLines(description_, boxes.description);
}

records::TimeBoxes TimeEditPart::boxes() const {
  return {storedText(keys_.client()), storedText(keys_.matter()), pickedDate(keys_.date()), storedText(attorney_),
          storedText(time_),          storedText(rate_),          memoLines(description_)};
}

}  // namespace editors

TReviewChangeClientTimeRecordsForm::TReviewChangeClientTimeRecordsForm(AppServices& services, QWidget* parent)
    : EditorLogicForm(services, parent, QStringLiteral("TReviewChangeClientTimeRecordsForm"),
                      QStringLiteral("Review/Change Records For Client")) {}

}  // namespace vrk::ui
