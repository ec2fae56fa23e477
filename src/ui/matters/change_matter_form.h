// TChangeMatterForm: displays a matter and saves its changed fields, perhaps under a new key.
#pragma once

#include "core/matters/change_matter.h"
#include "ui/matters/matter_record_form.h"

namespace vrk::ui {

class TChangeMatterForm : public MatterLogicForm<matters::ChangeMatter> {
  Q_OBJECT

 public:
  explicit TChangeMatterForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void runAction() override;
};

}  // namespace vrk::ui
