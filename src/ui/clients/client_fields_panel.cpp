#include "ui/clients/client_fields_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/capitals.h"
#include "ui/common/masked_edit.h"

namespace vrk::ui::clientforms {

store::CalendarDate calendarDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }
QDate qDate(const store::CalendarDate& date) { return {date.year, date.month, date.day}; }

}  // namespace vrk::ui::clientforms

namespace vrk::ui {
namespace {

// "Monthly Retainer Amount" -> "MonthlyRetainerAmountEdit".
QString boxName(const char* label) {
  return QString::fromLatin1(label).remove(QLatin1Char(' ')) + QStringLiteral("Edit");
}

}  // namespace

using clientforms::calendarDate;
using clientforms::qDate;

ClientFieldsPanel::ClientFieldsPanel(Kind kind, QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      group_(new QComboBox(this)),
      address_(new QPlainTextEdit(this)),
      date_(new QDateEdit(this)),
      category_(new QButtonGroup(this)),
      lateCharges_(
          new QCheckBox(QStringLiteral("Assess Late Charges For Payments After End Of Month"), this)) {
  group_->setObjectName(QStringLiteral("ClientGroupComboBox"));
  group_->setEditable(true);
  group_->setInsertPolicy(QComboBox::NoInsert);
  clientforms::fitCodeBox(group_, clientforms::kClientGroupCharacters);
  capitaliseOnLeave(group_);
  address_->setObjectName(QStringLiteral("Memo1"));
  address_->setLineWrapMode(QPlainTextEdit::NoWrap);
  date_->setObjectName(QStringLiteral("DateTimePicker1"));
  date_->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
  date_->setCalendarPopup(true);
  lateCharges_->setObjectName(QStringLiteral("CheckBox1"));

  auto* categories = new QGroupBox(QStringLiteral("Billing Category"), this);
  categories->setObjectName(QStringLiteral("RadioGroup1"));
  auto* categoryLayout = new QVBoxLayout(categories);
  for (int i = 0; i < clients::kCategoryCount; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(clients::categoryCaption(i)), categories);
    radio->setObjectName(QStringLiteral("CategoryRadioButton%1").arg(i));
    category_->addButton(radio, i);
    categoryLayout->addWidget(radio);
  }

  auto* left = new QFormLayout;
  left->addRow(QStringLiteral("Client Group"), group_);
  left->addRow(new QLabel(QStringLiteral("Client Billing Address (1 - 6 Lines)"), this));
  left->addRow(address_);
  left->addRow(QStringLiteral("Date Of Last Statement"), date_);
  left->addRow(categories);
  left->addRow(lateCharges_);

  auto* right = new QFormLayout;
  for (std::size_t i = 0; i < clients::kAmountCount; ++i) {
    const char* label = clients::amountBox(i).label;
    QLineEdit* box = kind == Kind::Add ? MaskedEdit::amount(this) : new QLineEdit(this);
    box->setObjectName(boxName(label));
    amounts_[i] = box;
    right->addRow(QString::fromLatin1(label), box);
  }

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(left, 0, 0);
  layout->addLayout(right, 0, 1);
  if (kind == Kind::ReadOnly) {
    group_->setEnabled(false);
    address_->setReadOnly(true);
    date_->setEnabled(false);
    categories->setEnabled(false);
    lateCharges_->setEnabled(false);
    for (auto* box : amounts_) box->setReadOnly(true);
  }
}

void ClientFieldsPanel::setGroups(const std::vector<std::string>& groups) {
  group_->clear();
  for (const auto& group : groups) group_->addItem(platform::fromStored(group));
  group_->setCurrentIndex(-1);
  group_->setEditText(QString());
}

clients::ClientFields ClientFieldsPanel::fields() const {
  clients::ClientFields fields;
  fields.group = platform::toStored(group_->currentText());
  for (const auto& line : address_->toPlainText().split(QLatin1Char('\n')))
    fields.address.push_back(platform::toStored(line));
  fields.category = category_->checkedId();
  fields.lateCharges = lateCharges_->isChecked();
  fields.lastStatement = calendarDate(date_->date());
  for (std::size_t i = 0; i < clients::kAmountCount; ++i) {
    const auto* masked = qobject_cast<const MaskedEdit*>(amounts_[i]);
    fields.amounts[i] = platform::toStored(masked ? masked->maskText() : amounts_[i]->text());
  }
  return fields;
}

void ClientFieldsPanel::show(const clients::ClientFields& fields) {
  group_->setEditText(platform::fromStored(fields.group));
  QStringList lines;
  for (const auto& line : fields.address) lines << platform::fromStored(line);
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  address_->setPlainText(lines.join(QLatin1Char('\n')));
  if (auto* radio = category_->button(fields.category)) radio->setChecked(true);
  lateCharges_->setChecked(fields.lateCharges);
  date_->setDate(qDate(fields.lastStatement));
  for (std::size_t i = 0; i < clients::kAmountCount; ++i)
    amounts_[i]->setText(platform::fromStored(fields.amounts[i]));
}

void ClientFieldsPanel::clear(const QDate& today) {
  group_->setEditText(QString());
  address_->clear();
  date_->setDate(today);
  category_->setExclusive(false);
  for (auto* radio : category_->buttons()) radio->setChecked(false);
  category_->setExclusive(true);
  if (kind_ == Kind::Add) category_->button(0)->setChecked(true);
  lateCharges_->setChecked(kind_ == Kind::Add);
  for (auto* box : amounts_) box->clear();
}

void ClientFieldsPanel::writeBack(const dialog::Outcome& outcome) {
  for (std::size_t i = 0; i < clients::kAmountCount; ++i) {
    const auto shown = outcome.writeBack.find(clients::amountBox(i).field);
    if (shown != outcome.writeBack.end()) amounts_[i]->setText(platform::fromStored(shown->second));
  }
}

}  // namespace vrk::ui
