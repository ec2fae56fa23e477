#include "ui/matters/change_matter_form.h"

#include "ui/matters/matter_widgets.h"

namespace vrk::ui {

TChangeMatterForm::TChangeMatterForm(AppServices& services, QWidget* parent)
    : MatterLogicForm(services, parent,
                      {QStringLiteral("TChangeMatterForm"), QStringLiteral("Change Data For A Matter"),
                       QStringLiteral("Save"), "SaveButton", true}) {}

void TChangeMatterForm::runAction() {
  const auto input = fieldBoxes();
  const auto outcome = act([&] { return logic_->save(input); });
  if (!outcome.closed()) applyWriteBack(this, outcome);
}

}  // namespace vrk::ui
