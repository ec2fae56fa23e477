#include "ui/matters/display_matter_form.h"

#include "ui/common/printer_choice.h"

namespace vrk::ui {

TDisplayMatterForm::TDisplayMatterForm(AppServices& services, QWidget* parent)
    : MatterLogicForm(
          services, parent,
          {QStringLiteral("TDisplayMatterForm"), QStringLiteral("Display/Print Data For A Matter"),
           QStringLiteral("Print"), "PrintButton", false}) {}

void TDisplayMatterForm::runAction() {
  const auto result = logic_->print(services().session.billingPeriod, services().clock.today());
  if (result.printed && !services().printer.print(this, *result.printed)) return;
  act([&] { return result.outcome; });
}

}  // namespace vrk::ui
