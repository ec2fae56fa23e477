// The delete dialogs of time and cost/credit records: the selection part, the record shown
// read-only, Delete and Cancel.
#pragma once

#include <QPushButton>

#include "ui/matters/matter_widgets.h"
#include "ui/records/record_dialog.h"
#include "ui/records/record_widgets.h"
#include "ui/records/selection_part.h"

namespace vrk::ui {

// `Logic`: selection(), shownBoxes() and remove(); `Shown`: a read-only view (TimeRecordShown, ...).
template <typename Logic, typename Shown>
class DeleteRecordForm : public RecordLogicDialog<Logic> {
 protected:
  DeleteRecordForm(AppServices& services, QWidget* parent, const QString& objectName, const QString& heading)
      : RecordLogicDialog<Logic>(services, parent, objectName),
        selection_(new SelectionPart(
            recordLists([this] { return this->logic_ ? &this->logic_->selection() : nullptr; }),
            QStringLiteral("Date"), this)),
        shown_(new Shown(this)) {
    auto* remove = namedButton(QStringLiteral("Delete"), "DeleteButton", this);
    recordforms::layOutRecordForm(this, heading, {selection_, shown_},
                                  {remove, recordforms::cancelButton(this)});
    QObject::connect(selection_->displayButton(), &QPushButton::clicked, this, [this] { display(); });
    QObject::connect(remove, &QPushButton::clicked, this, [this] {
      if (this->logic_) this->act([this] { return this->logic_->remove(); });
    });
  }

  void prepareBoxes() override {
    selection_->reset(this->logic_->selection().clients(), false);
    shown_->clear();
  }

  SelectionPart* selectionPart() const { return selection_; }

 private:
  void display() {
    if (!this->logic_) return;
    auto& selection = this->logic_->selection();
    bool found = false;
    this->act([&] {
      auto outcome = selection.display(selection_->client(), selection_->matter(), selection_->date());
      found = outcome.messages.empty();
      return outcome;
    });
    if (found && selection.selected())
      shown_->showRecord(this->logic_->shownBoxes(), selection.selected()->dateText);
  }

  SelectionPart* selection_;
  Shown* shown_;
};

}  // namespace vrk::ui
