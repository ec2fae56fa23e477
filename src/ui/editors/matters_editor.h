// TReviewChangeClientMattersForm: steps through a client's matters and saves the shown one as the
// change-matter dialog does.
#pragma once

#include <QWidget>

#include "core/records/record_editors.h"
#include "ui/editors/editor_form.h"
#include "ui/matters/matter_widgets.h"

namespace vrk::ui {

// The change-matter dialog's fields, the description box line-limited, the amounts to date as
// plain text boxes.
class MatterEditPart : public QWidget {
 public:
  MatterEditPart();

  void reset(const matters::MatterLists& lists);  // the attorney and fee schedule lists
  void clear(const store::CalendarDate& date) { fields_.clear(date); }
  void showRecord(const matters::MatterBoxes& boxes) { fields_.show(boxes); }
  matters::MatterBoxes boxes() const { return fields_.boxes(); }

 private:
  MatterFieldBoxes fields_;
};

class TReviewChangeClientMattersForm : public EditorLogicForm<records::MatterEditor, MatterEditPart> {
  Q_OBJECT

 public:
  explicit TReviewChangeClientMattersForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void loadPart() override { part_->reset(logic_->lists()); }
};

}  // namespace vrk::ui
