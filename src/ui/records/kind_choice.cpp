#include "ui/records/kind_choice.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

#include "core/records/record_fields.h"

namespace vrk::ui {

KindChoice::KindChoice(QWidget* parent) : QGroupBox(parent), buttons_(new QButtonGroup(this)) {
  setObjectName(QStringLiteral("RadioGroup1"));
  auto* row = new QHBoxLayout(this);
  const std::pair<std::int32_t, QString> choices[] = {
      {records::kCost, QStringLiteral("Cost Record")},
      {records::kCredit, QStringLiteral("Credit Record")},
  };
  for (const auto& [kind, text] : choices) {
    auto* button = new QRadioButton(text, this);
    button->setObjectName(kind == records::kCost ? QStringLiteral("CostRadioButton")
                                                 : QStringLiteral("CreditRadioButton"));
    buttons_->addButton(button, kind);
    row->addWidget(button);
  }
  setKind(records::kCost);
}

std::int32_t KindChoice::kind() const {
  return buttons_->checkedId() == records::kCredit ? records::kCredit : records::kCost;
}

void KindChoice::setKind(std::int32_t kind) {
  buttons_->button(kind == records::kCredit ? records::kCredit : records::kCost)->setChecked(true);
}

}  // namespace vrk::ui
