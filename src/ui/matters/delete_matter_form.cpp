#include "ui/matters/delete_matter_form.h"

namespace vrk::ui {

TDeleteMatterForm::TDeleteMatterForm(AppServices& services, QWidget* parent)
    : MatterLogicForm(services, parent,
                      {QStringLiteral("TDeleteMatterForm"), QStringLiteral("Delete A Matter"),
                       QStringLiteral("Delete"), "DeleteButton", false}) {}

}  // namespace vrk::ui
