#include "ui/records/cost_credit_entry_part.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/records/record_fields.h"
#include "platform/text_codec.h"
#include "ui/common/description_box.h"
#include "ui/matters/matter_widgets.h"
#include "ui/records/kind_choice.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

using namespace recordforms;

CostCreditEntryPart::CostCreditEntryPart(EntryMode mode, ListsSource lists, QWidget* parent)
    : QWidget(parent),
      keys_(mode, std::move(lists), this),
      kind_(new KindChoice(this)),
      amount_(namedEdit(records::box::kAmount, this)),
      description_(descriptionBox("DescriptionMemo", records::kCostCreditDescriptionLines, this)) {
  setObjectName(QStringLiteral("CostCreditEntryPart"));
  auto* rows = partRows(this);
  rows->addRow(QStringLiteral("Client Code"), keys_.client());
  rows->addRow(QStringLiteral("Matter Number"), keys_.matter());
  rows->addRow(QStringLiteral("Date"), keys_.date());
  rows->addRow(kind_);
  rows->addRow(QStringLiteral("Amount"), amount_);
  rows->addRow(mode == EntryMode::Add ? QStringLiteral("Cost/Credit Description (1 - 4 Lines)")
                                      : QStringLiteral("Activity Description (1 - 4 Lines)"),
               description_);
}

void CostCreditEntryPart::reset(const matters::MatterLists& lists, const store::CalendarDate& date) {
  setStoredItems(keys_.client(), lists.clientCodes);
  clear(date);
  amount_->setText(QStringLiteral("$"));
}

void CostCreditEntryPart::clear(const store::CalendarDate& date) {
  keys_.clear(date);
  kind_->setKind(records::kCost);
  amount_->clear();
  description_->clear();
}

void CostCreditEntryPart::showRecord(const records::CostCreditBoxes& boxes) {
  keys_.show(boxes.client, boxes.matter, boxes.date);
  kind_->setKind(boxes.kind);
  amount_->setText(platform::fromStored(boxes.amount));
  setMemoLines(description_, boxes.description);
}

records::CostCreditBoxes CostCreditEntryPart::boxes() const {
  records::CostCreditBoxes boxes;
  boxes.client = storedText(keys_.client());
  boxes.matter = storedText(keys_.matter());
  boxes.date = pickedDate(keys_.date());
  boxes.kind = kind_->kind();
  boxes.amount = storedText(amount_);
  boxes.description = memoLines(description_);
  return boxes;
}

}  // namespace vrk::ui
