// TDeleteMatterForm: displays a matter read-only and deletes it.
#pragma once

#include <optional>

#include "core/matters/delete_matter.h"
#include "ui/matters/matter_record_form.h"

namespace vrk::ui {

class TDeleteMatterForm : public MatterRecordForm {
  Q_OBJECT

 public:
  explicit TDeleteMatterForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void makeLogic() override { logic_.emplace(folder()); }
  void dropLogic() override { logic_.reset(); }
  matters::MatterSelection* selection() override { return logic_ ? &logic_->selection() : nullptr; }
  void runAction() override {
    act([this] { return logic_->remove(); });
  }

 private:
  std::optional<matters::DeleteMatter> logic_;
};

}  // namespace vrk::ui
