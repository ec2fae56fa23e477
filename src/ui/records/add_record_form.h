// The add dialogs of time and cost/credit records: one entry part, Save and Cancel. Save stores
// the record and sets the session's last entry date, which the date box shows on every opening.
#pragma once

#include <QPushButton>

#include "ui/matters/matter_widgets.h"
#include "ui/records/record_dialog.h"
#include "ui/records/record_key_boxes.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

// `Logic`: lists() and save(boxes, lastEntryDate); `Part`: an entry part (TimeEntryPart, ...).
template <typename Logic, typename Part>
class AddRecordForm : public RecordLogicDialog<Logic> {
 protected:
  AddRecordForm(AppServices& services, QWidget* parent, const QString& objectName, const QString& heading)
      : RecordLogicDialog<Logic>(services, parent, objectName),
        part_(new Part(
            EntryMode::Add, [this] { return this->logic_ ? &this->logic_->lists() : nullptr; }, this)) {
    auto* save = namedButton(QStringLiteral("Save"), "SaveButton", this);
    recordforms::layOutRecordForm(this, heading, {part_}, {save, recordforms::cancelButton(this)});
    QObject::connect(save, &QPushButton::clicked, this, [this] { saveEntry(); });
  }

  void prepareBoxes() override {
    part_->reset(this->logic_->lists(), this->services().session.lastEntryDate);
  }

 private:
  void saveEntry() {
    if (!this->logic_) return;
    const auto input = part_->boxes();
    const auto outcome =
        this->act([&] { return this->logic_->save(input, this->services().session.lastEntryDate); });
    if (!outcome.closed()) applyWriteBack(this, outcome);
  }

  Part* part_;
};

}  // namespace vrk::ui
