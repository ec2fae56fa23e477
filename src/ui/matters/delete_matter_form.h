// TDeleteMatterForm: displays a matter read-only and deletes it.
#pragma once

#include "core/matters/delete_matter.h"
#include "ui/matters/matter_record_form.h"

namespace vrk::ui {

class TDeleteMatterForm : public MatterLogicForm<matters::DeleteMatter> {
  Q_OBJECT

 public:
  explicit TDeleteMatterForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void runAction() override {
    act([this] { return logic_->remove(); });
  }
};

}  // namespace vrk::ui
