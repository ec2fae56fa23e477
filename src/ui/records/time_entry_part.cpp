#include "ui/records/time_entry_part.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/records/record_fields.h"
#include "platform/text_codec.h"
#include "ui/common/capitals.h"
#include "ui/common/description_box.h"
#include "ui/matters/matter_widgets.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

using namespace recordforms;

TimeEntryPart::TimeEntryPart(EntryMode mode, ListsSource lists, QWidget* parent)
    : QWidget(parent),
      keys_(mode, std::move(lists), this),
      attorney_(namedComboBox("AttorneyInitialsComboBox", this)),
      time_(namedEdit(records::box::kTime, this)),
      rate_(namedEdit(records::box::kBillingRate, this)),
      description_(descriptionBox("DescriptionMemo", records::kTimeDescriptionLines, this)) {
  setObjectName(QStringLiteral("TimeEntryPart"));
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

void TimeEntryPart::reset(const matters::MatterLists& lists, const store::CalendarDate& date) {
  setStoredItems(keys_.client(), lists.clientCodes);
  setStoredItems(attorney_, lists.attorneys);
  clear(date);
  rate_->setText(QStringLiteral("$"));
}

void TimeEntryPart::clear(const store::CalendarDate& date) {
  keys_.clear(date);
  attorney_->clearEditText();
  time_->clear();
  rate_->clear();
  description_->clear();
}

void TimeEntryPart::showRecord(const records::TimeBoxes& boxes) {
  keys_.show(boxes.client, boxes.matter, boxes.date);
  attorney_->setEditText(platform::fromStored(boxes.attorney));
  time_->setText(platform::fromStored(boxes.time));
  rate_->setText(platform::fromStored(boxes.rate));
  setMemoLines(description_, boxes.description);
}

records::TimeBoxes TimeEntryPart::boxes() const {
  records::TimeBoxes boxes;
  boxes.client = storedText(keys_.client());
  boxes.matter = storedText(keys_.matter());
  boxes.date = pickedDate(keys_.date());
  boxes.attorney = storedText(attorney_);
  boxes.time = storedText(time_);
  boxes.rate = storedText(rate_);
  boxes.description = memoLines(description_);
  return boxes;
}

}  // namespace vrk::ui
