#include "ui/records/selection_part.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/rules/input_rules.h"
#include "ui/common/capitals.h"
#include "ui/matters/matter_widgets.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

using namespace recordforms;

SelectionPart::SelectionPart(Lists lists, const QString& dateLabel, QWidget* parent)
    : QWidget(parent), lists_(std::move(lists)), client_(namedComboBox("SelectClientComboBox", this)) {
  setObjectName(QStringLiteral("SelectionPart"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(QStringLiteral("Client Code"), this));
  row->addWidget(client_);
  if (lists_.matters) {
    matter_ = namedComboBox("SelectMatterComboBox", this);
    row->addWidget(new QLabel(QStringLiteral("Matter Number"), this));
    row->addWidget(matter_);
  }
  date_ = namedComboBox("SelectDateComboBox", this);
  date_->setMinimumContentsLength(10);  // MM/DD/YYYY whole
  date_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  row->addWidget(new QLabel(dateLabel, this));
  row->addWidget(date_);
  display_ = namedButton(QStringLiteral("Display"), "DisplayButton", this);
  row->addWidget(display_);
  row->addStretch();

  onLeave(client_, this, [this] { clientLeft(); });
  capitaliseOnLeave(client_);
  // A code or number being typed no longer belongs with the lists beside it.
  connect(client_->lineEdit(), &QLineEdit::textEdited, this, [this] {
    if (matter_) matter_->clear();
    date_->clear();
  });
  if (matter_) {
    onLeave(matter_, this, [this] { matterLeft(); });
    connect(matter_->lineEdit(), &QLineEdit::textEdited, date_, &QComboBox::clear);
  }
}

void SelectionPart::reset(const std::vector<std::string>& clients, bool showFirst) {
  fillList(client_, clients, showFirst);
  if (matter_) setStoredItems(matter_, {});
  setStoredItems(date_, {});
  if (showFirst && !clients.empty()) clientLeft();
}

std::string SelectionPart::client() const { return storedText(client_); }
std::string SelectionPart::matter() const { return matter_ ? storedText(matter_) : std::string(); }
records::DateChoice SelectionPart::date() const { return dateChoice(date_); }

void SelectionPart::clientLeft() {
  const std::string code = rules::capitals(client());
  if (!rules::isClientCode(code)) return;
  if (matter_) fillList(matter_, lists_.matters(code), true);
  listDates(code, matter());
}

void SelectionPart::matterLeft() {
  if (rules::isWholeNumber(matter())) listDates(rules::capitals(client()), matter());
}

void SelectionPart::listDates(const std::string& client, const std::string& matter) {
  fillList(date_, lists_.dates(client, matter), true);
}

SelectionPart::Lists recordLists(std::function<const records::RecordSelection*()> selection) {
  return {[selection](const std::string& client) {
            const auto* lists = selection();
            return lists ? lists->matters(client) : std::vector<std::string>{};
          },
          [selection](const std::string& client, const std::string& matter) {
            const auto* lists = selection();
            return lists ? lists->dates(client, matter) : std::vector<std::string>{};
          }};
}

SelectionPart::Lists paymentLists(std::function<const records::PaymentSelection*()> selection) {
  return {nullptr, [selection](const std::string& client, const std::string&) {
            const auto* lists = selection();
            return lists ? lists->dates(client) : std::vector<std::string>{};
          }};
}

}  // namespace vrk::ui
