// TDisplayMatterForm: displays a matter read-only and prints the client/matter data.
#pragma once

#include "core/matters/display_matter.h"
#include "ui/matters/matter_record_form.h"

namespace vrk::ui {

class TDisplayMatterForm : public MatterLogicForm<matters::DisplayMatter> {
  Q_OBJECT

 public:
  explicit TDisplayMatterForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void runAction() override;
};

}  // namespace vrk::ui
