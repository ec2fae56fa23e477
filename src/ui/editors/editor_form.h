// The base of the review-and-change editors: the browse part (client code, Next, Back), the edit
// part showing the record stepped to, a progress bar for Save, and Save and Cancel. An editor
// stays open after a save: the edit part empties and the next step goes on from the saved record.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/records/record_editors.h"
#include "ui/records/record_dialog.h"
#include "ui/records/record_key_boxes.h"

class QComboBox;
class QProgressBar;

namespace vrk::ui {

// Opens and closes as the record dialogs do: fresh logic on each opening, emptied when closed.
class EditorForm : public RecordDialog {
  Q_OBJECT

 public:
  // Also hides the progress bar.
  void done(int result) override;

 protected:
  // `part` (made without a parent) goes between the browse part and the progress bar.
  EditorForm(AppServices& services, QWidget* parent, const QString& objectName, const QString& heading,
             QWidget* part);

  // The clients to browse listed, the part's lists loaded and every box empty.
  void prepareBoxes() override;

  virtual bool hasLogic() const = 0;
  virtual const std::vector<std::string>& browsedClients() const = 0;
  virtual void loadPart() = 0;   // the part's lists, from the logic just made
  virtual void emptyPart() = 0;  // every box empty, the date box at today
  virtual dialog::Outcome stepLogic(records::Direction direction, const std::string& client) = 0;
  virtual void showStepped() = 0;  // fills the part when the logic shows a record
  virtual dialog::Outcome saveLogic(const records::Progress& progress) = 0;  // the part's boxes

 private:
  void step(records::Direction direction);
  void save();

  QComboBox* client_;
  QProgressBar* progress_;
};

// An editor whose logic is a `Logic` made from the period folder (step, shown, save, clients) and
// whose edit part is a `Part` (clear to a date, showRecord of the shown boxes, boxes as typed).
template <typename Logic, typename Part>
class EditorLogicForm : public EditorForm {
 protected:
  EditorLogicForm(AppServices& services, QWidget* parent, const QString& objectName, const QString& heading,
                  Part* part)
      : EditorForm(services, parent, objectName, heading, part), part_(part) {}

  // The logic's client and matter lists while the editor is open (for the key boxes).
  const matters::MatterLists* openLists() const { return logic_ ? &logic_->lists() : nullptr; }

  void makeLogic() override { logic_.emplace(folder()); }
  void dropLogic() override { logic_.reset(); }
  bool hasLogic() const override { return logic_.has_value(); }
  const std::vector<std::string>& browsedClients() const override { return logic_->clients(); }
  void emptyPart() override { part_->clear(services().clock.today()); }
  dialog::Outcome stepLogic(records::Direction direction, const std::string& client) override {
    return logic_->step(direction, client);
  }
  void showStepped() override {
    if (logic_ && logic_->shown()) part_->showRecord(*logic_->shown());
  }
  dialog::Outcome saveLogic(const records::Progress& progress) override {
    return logic_->save(part_->boxes(), progress);
  }

  Part* part_;
  std::optional<Logic> logic_;  // only while the editor is open
};

// The time and cost/credit editors: the change dialogs' entry part, its lists loaded on opening.
template <typename Logic, typename Part>
class BillingEditorForm : public EditorLogicForm<Logic, Part> {
 protected:
  BillingEditorForm(AppServices& services, QWidget* parent, const QString& objectName)
      : EditorLogicForm<Logic, Part>(services, parent, objectName,
                                     QStringLiteral("Review/Change Records For Client"),
                                     new Part(
                                         EntryMode::Change, [this] { return this->openLists(); }, nullptr)) {}

  void loadPart() override { this->part_->reset(this->logic_->lists(), this->services().clock.today()); }
};

}  // namespace vrk::ui
