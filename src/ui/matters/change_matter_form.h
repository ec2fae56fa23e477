// TChangeMatterForm: displays a matter and saves its changed fields, perhaps under a new key.
#pragma once

#include <optional>

#include "core/matters/change_matter.h"
#include "ui/matters/matter_record_form.h"

namespace vrk::ui {

class TChangeMatterForm : public MatterRecordForm {
  Q_OBJECT

 public:
  explicit TChangeMatterForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void makeLogic() override { logic_.emplace(folder()); }
  void dropLogic() override { logic_.reset(); }
  matters::MatterSelection* selection() override { return logic_ ? &logic_->selection() : nullptr; }
  void runAction() override;

 private:
  std::optional<matters::ChangeMatter> logic_;
};

}  // namespace vrk::ui
