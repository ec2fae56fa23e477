#include "ui/records/cost_credit_shown.h"

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

CostCreditShown::CostCreditShown(QWidget* parent)
    : QWidget(parent),
      client_(namedEdit("ClientCodeEditBox", this, true)),
      matter_(namedEdit("MatterNumberEditBox", this, true)),
      date_(namedEdit("DateEditBox", this, true)),
      kind_(new KindChoice(this)),
      amount_(namedEdit(records::box::kAmount, this, true)),
      description_(descriptionBox("DescriptionMemo", records::kCostCreditDescriptionLines, this)) {
  setObjectName(QStringLiteral("CostCreditShown"));
  kind_->setEnabled(false);  // shows the record's kind; nothing to choose
  description_->setReadOnly(true);
  auto* rows = partRows(this);
  rows->addRow(QStringLiteral("Client Code"), client_);
  rows->addRow(QStringLiteral("Matter Number"), matter_);
  rows->addRow(QStringLiteral("Date"), date_);
  rows->addRow(kind_);
  rows->addRow(QStringLiteral("Amount"), amount_);
  rows->addRow(QStringLiteral("Activity Description (1 - 4 Lines)"), description_);
}

void CostCreditShown::clear() {
  for (auto* box : {client_, matter_, date_, amount_}) box->clear();
  kind_->setKind(records::kCost);
  description_->clear();
}

void CostCreditShown::showRecord(const records::CostCreditBoxes& boxes, const std::string& dateText) {
  client_->setText(platform::fromStored(boxes.client));
  matter_->setText(platform::fromStored(boxes.matter));
  date_->setText(platform::fromStored(dateText));
  kind_->setKind(boxes.kind);
  amount_->setText(platform::fromStored(boxes.amount));
  setMemoLines(description_, boxes.description);
}

}  // namespace vrk::ui
