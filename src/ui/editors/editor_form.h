// The base of the review-and-change editors: the browse part (client code, Next, Back), the edit
// part showing the record stepped to, a progress bar for Save, and Save and Cancel. An editor
// stays open after a save: the edit part empties and the next step goes on from the saved record.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/records/record_editors.h"
#include "ui/common/vrk_dialog.h"
#include "ui/editors/editor_widgets.h"

class QComboBox;
class QProgressBar;

namespace vrk::ui {

class EditorForm : public VrkDialog {
  Q_OBJECT

 public:
  // Makes fresh logic (loading the lists) and empties the boxes; false, with the file error
  // shown, when the period's files cannot be read.
  bool reload();
  // Reloads, then shows the editor modally.
  int exec() override;
  // Closes the editor, hides the progress bar and drops its logic.
  void done(int result) override;

 protected:
  // `part` (made without a parent) goes between the browse part and the progress bar.
  EditorForm(AppServices& services, QWidget* parent, const QString& objectName, const QString& heading,
             editors::EditPart* part);

  editors::EditPart* editPart() const { return part_; }

  virtual void makeLogic() = 0;  // may raise StoreError
  virtual void dropLogic() = 0;
  virtual bool hasLogic() const = 0;
  virtual const std::vector<std::string>& browsedClients() const = 0;
  virtual void loadPart() = 0;  // the part's lists, from the logic just made
  virtual dialog::Outcome stepLogic(records::Direction direction, const std::string& client) = 0;
  virtual void showStepped() = 0;  // fills the part when the logic shows a record
  virtual dialog::Outcome saveLogic(const records::Progress& progress) = 0;  // the part's boxes

 private:
  void step(records::Direction direction);
  void save();
  void emptyPart();

  QComboBox* client_;
  editors::EditPart* part_;
  QProgressBar* progress_;
};

// An editor whose logic is a `Logic` made from the period folder (step, shown, save, clients) and
// whose edit part is a `Part` (load from the logic, show the shown boxes, boxes as typed).
template <typename Logic, typename Part>
class EditorLogicForm : public EditorForm {
 protected:
  EditorLogicForm(AppServices& services, QWidget* parent, const QString& objectName, const QString& heading)
      : EditorForm(services, parent, objectName, heading, new Part) {}

  Part* part() const { return static_cast<Part*>(editPart()); }

  void makeLogic() override { logic_.emplace(folder()); }
  void dropLogic() override { logic_.reset(); }
  bool hasLogic() const override { return logic_.has_value(); }
  const std::vector<std::string>& browsedClients() const override { return logic_->clients(); }
  void loadPart() override { part()->load(*logic_); }
  dialog::Outcome stepLogic(records::Direction direction, const std::string& client) override {
    return logic_->step(direction, client);
  }
  void showStepped() override {
    if (logic_ && logic_->shown()) part()->show(*logic_->shown());
  }
  dialog::Outcome saveLogic(const records::Progress& progress) override {
    return logic_->save(part()->boxes(), progress);
  }

  std::optional<Logic> logic_;  // only while the editor is open
};

}  // namespace vrk::ui
