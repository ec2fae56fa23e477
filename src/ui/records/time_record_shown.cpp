#include "ui/records/time_record_shown.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/records/record_fields.h"
#include "platform/text_codec.h"
#include "ui/common/description_box.h"
#include "ui/matters/matter_widgets.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

using namespace recordforms;

TimeRecordShown::TimeRecordShown(QWidget* parent)
    : QWidget(parent),
      client_(namedEdit("ClientCodeEditBox", this, true)),
      matter_(namedEdit("MatterNumberEditBox", this, true)),
      date_(namedEdit("DateEditBox", this, true)),
      attorney_(namedEdit("AttorneyInitialsEditBox", this, true)),
      time_(namedEdit(records::box::kTime, this, true)),
      rate_(namedEdit(records::box::kBillingRate, this, true)),
      description_(descriptionBox("DescriptionMemo", records::kTimeDescriptionLines, this)) {
  setObjectName(QStringLiteral("TimeRecordShown"));
  description_->setReadOnly(true);
  auto* rows = partRows(this);
  rows->addRow(QStringLiteral("Client Code"), client_);
  rows->addRow(QStringLiteral("Matter Number"), matter_);
  rows->addRow(QStringLiteral("Date"), date_);
  rows->addRow(QStringLiteral("Attorney Initials"), attorney_);
  rows->addRow(QStringLiteral("Time (hours and tenths)"), time_);
  rows->addRow(QStringLiteral("Special Billing Rate For This Time Record"), rate_);
  rows->addRow(QStringLiteral("Activity Description (1 - 6 Lines)"), description_);
}

void TimeRecordShown::clear() {
  for (auto* box : {client_, matter_, date_, attorney_, time_, rate_}) box->clear();
  description_->clear();
}

void TimeRecordShown::showRecord(const records::TimeBoxes& boxes, const std::string& dateText) {
  client_->setText(platform::fromStored(boxes.client));
  matter_->setText(platform::fromStored(boxes.matter));
  date_->setText(platform::fromStored(dateText));
  attorney_->setText(platform::fromStored(boxes.attorney));
  time_->setText(platform::fromStored(boxes.time));
  rate_->setText(platform::fromStored(boxes.rate));
  setMemoLines(description_, boxes.description);
}

}  // namespace vrk::ui
