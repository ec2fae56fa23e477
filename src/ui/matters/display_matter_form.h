// TDisplayMatterForm: displays a matter read-only and prints the client/matter data.
#pragma once

#include <optional>

#include "core/matters/display_matter.h"
#include "ui/matters/matter_record_form.h"

namespace vrk::ui {

class TDisplayMatterForm : public MatterRecordForm {
  Q_OBJECT

 public:
  explicit TDisplayMatterForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void makeLogic() override { logic_.emplace(folder()); }
  void dropLogic() override { logic_.reset(); }
  matters::MatterSelection* selection() override { return logic_ ? &logic_->selection() : nullptr; }
  void runAction() override;

 private:
  std::optional<matters::DisplayMatter> logic_;
};

}  // namespace vrk::ui
