#include "ui/records/record_key_boxes.h"

#include <QComboBox>
#include <QDateEdit>

#include "core/records/record_boxes.h"
#include "core/rules/input_rules.h"
#include "platform/text_codec.h"
#include "ui/common/capitals.h"
#include "ui/matters/matter_widgets.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

RecordKeyBoxes::RecordKeyBoxes(EntryMode mode, ListsSource lists, QWidget* parent)
    : mode_(mode),
      lists_(std::move(lists)),
      client_(namedComboBox(records::box::kClientCode, parent)),
      matter_(namedComboBox(records::box::kMatterNumber, parent)),
      date_(namedDatePicker("DateTimePicker1", parent)) {
  recordforms::onLeave(client_, parent, [this] { clientLeft(); });
  capitaliseOnLeave(client_);
  if (mode_ == EntryMode::Add)
    QObject::connect(client_, &QComboBox::currentTextChanged, parent,
                     [this] { listMatters(rules::capitals(storedText(client_))); });
}

void RecordKeyBoxes::clear(const store::CalendarDate& date) {
  client_->clearEditText();
  setStoredItems(matter_, {});
  listedClient_.clear();
  setPickedDate(date_, date);
}

void RecordKeyBoxes::show(const std::string& client, const std::string& matter,
                          const store::CalendarDate& date) {
  client_->setEditText(platform::fromStored(client));
  const matters::MatterLists* lists = lists_();
  setStoredItems(matter_, lists ? lists->numbersOf(client) : std::vector<std::string>{});
  matter_->setEditText(platform::fromStored(matter));
  listedClient_ = client;
  setPickedDate(date_, date);
}

void RecordKeyBoxes::listMatters(const std::string& client) {
  const matters::MatterLists* lists = lists_();
  if (!lists) return;
  recordforms::fillList(matter_, lists->numbersOf(client), true);
}

void RecordKeyBoxes::clientLeft() {
  const matters::MatterLists* lists = lists_();
  if (!lists) return;
  const std::string code = rules::capitals(storedText(client_));
  const bool valid = rules::isClientCode(code);
  if (mode_ == EntryMode::Add) {
    setStoredItems(matter_, {});
    if (valid && lists->hasClient(code)) listMatters(code);
    return;
  }
  if (valid && code == listedClient_) return;
  setStoredItems(matter_, valid ? lists->numbersOf(code) : std::vector<std::string>{});
  listedClient_ = valid ? code : std::string();
  if (matter_->count() == 0) matter_->setEditText(QStringLiteral("0"));
}

}  // namespace vrk::ui
