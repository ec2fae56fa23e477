// The change dialogs of time and cost/credit records: the selection part, then the edit part,
// disabled until a Display has filled it, Save and Cancel.
#pragma once

#include <QPushButton>

#include "ui/matters/matter_widgets.h"
#include "ui/records/record_dialog.h"
#include "ui/records/record_key_boxes.h"
#include "ui/records/record_widgets.h"
#include "ui/records/selection_part.h"

namespace vrk::ui {

// `Logic`: lists(), selection(), shownBoxes() and save(boxes, lastEntryDate); `Part`: an entry
// part (TimeEntryPart, ...).
template <typename Logic, typename Part>
class ChangeRecordForm : public RecordLogicDialog<Logic> {
 protected:
  ChangeRecordForm(AppServices& services, QWidget* parent, const QString& objectName, const QString& heading)
      : RecordLogicDialog<Logic>(services, parent, objectName),
        selection_(new SelectionPart(
            recordLists([this] { return this->logic_ ? &this->logic_->selection() : nullptr; }),
            QStringLiteral("Date"), this)),
        part_(new Part(
            EntryMode::Change, [this] { return this->logic_ ? &this->logic_->lists() : nullptr; }, this)) {
    auto* save = namedButton(QStringLiteral("Save"), "SaveButton", this);
    recordforms::layOutRecordForm(this, heading, {selection_, part_},
                                  {save, recordforms::cancelButton(this)});
    QObject::connect(selection_->displayButton(), &QPushButton::clicked, this, [this] { display(); });
    QObject::connect(save, &QPushButton::clicked, this, [this] { saveEntry(); });
  }

  void prepareBoxes() override {
    selection_->reset(this->logic_->selection().clients(), false);
    part_->reset(this->logic_->lists(), this->services().session.lastEntryDate);
    part_->setEnabled(false);
  }

 private:
  void display() {
    if (!this->logic_) return;
    bool found = false;
    this->act([&] {
      auto outcome =
          this->logic_->selection().display(selection_->client(), selection_->matter(), selection_->date());
      found = outcome.messages.empty();
      return outcome;
    });
    if (!found || !this->logic_) return;
    part_->showRecord(this->logic_->shownBoxes());
    part_->setEnabled(true);
  }

  void saveEntry() {
    if (!this->logic_) return;
    const auto input = part_->boxes();
    const auto outcome =
        this->act([&] { return this->logic_->save(input, this->services().session.lastEntryDate); });
    if (!outcome.closed()) applyWriteBack(this, outcome);
  }

  SelectionPart* selection_;
  Part* part_;
};

}  // namespace vrk::ui
