#include "ui/editors/cost_credit_records_editor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "core/records/record_boxes.h"
#include "core/records/record_fields.h"
#include "platform/text_codec.h"
#include "ui/matters/matter_widgets.h"

namespace vrk::ui {

namespace editors {

CostCreditEditPart::CostCreditEditPart() : keys_(this), kind_(new QButtonGroup(this)) {
  auto* kinds = new QGroupBox(this);
  kinds->setObjectName(QStringLiteral("RadioGroup1"));
  auto* kindRow = new QHBoxLayout(kinds);
  const std::pair<std::int32_t, const char*> choices[] = {{records::kCost, "Cost Record"},
                                                          {records::kCredit, "Credit Record"}};
  for (const auto& [kind, text] : choices) {
    auto* button = new QRadioButton(QString::fromLatin1(text), kinds);
    button->setObjectName(kind == records::kCost ? QStringLiteral("CostRadioButton")
                                                 : QStringLiteral("CreditRadioButton"));
    kind_->addButton(button, kind);
    kindRow->addWidget(button);
  }
  amount_ = namedLine(records::box::kAmount, this);
  description_ = descriptionBox("DescriptionMemo", int(records::kCostCreditDescriptionLines), this);

  auto* rows = partRows(this);
  rows->addRow(QStringLiteral("Client Code"), keys_.client());
  rows->addRow(QStringLiteral("Matter Number"), keys_.matter());
  rows->addRow(QStringLiteral("Date"), keys_.date());
  rows->addRow(kinds);
  rows->addRow(QStringLiteral("Amount"), amount_);
  rows->addRow(QStringLiteral("Activity Description (1 - 4 Lines)"), description_);
  choose(records::kCost);
}

void CostCreditEditPart::load(const records::CostCreditRecordEditor& editor) { keys_.load(editor.lists()); }

void CostCreditEditPart::clear(const store::CalendarDate& today) {
  keys_.clear(today);
  choose(records::kCost);
  amount_->clear();
  description_->clear();
}

void CostCreditEditPart::show(const records::CostCreditBoxes& boxes) {
  keys_.show(boxes.client, boxes.matter, boxes.date);
  choose(boxes.kind);
  amount_->setText(platform::fromStored(boxes.amount));
  setMemoLines(description_, boxes.description);
}

records::CostCreditBoxes CostCreditEditPart::boxes() const {
  return {storedText(keys_.client()),
          storedText(keys_.matter()),
          pickedDate(keys_.date()),
          kind_->checkedId() == records::kCredit ? records::kCredit : records::kCost,
          storedText(amount_),
          memoLines(description_)};
}

void CostCreditEditPart::choose(std::int32_t kind) {
  kind_->button(kind == records::kCredit ? records::kCredit : records::kCost)->setChecked(true);
}

}  // namespace editors

TReviewChangeClientCostCreditRecordsForm::TReviewChangeClientCostCreditRecordsForm(AppServices& services,
                                                                                   QWidget* parent)
    : EditorLogicForm(services, parent, QStringLiteral("TReviewChangeClientCostCreditRecordsForm"),
                      QStringLiteral("Review/Change Records For Client")) {}

}  // namespace vrk::ui
