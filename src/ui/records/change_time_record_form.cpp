#include "ui/records/change_time_record_form.h"

namespace vrk::ui {

TChangeTimeRecordForm::TChangeTimeRecordForm(AppServices& services, QWidget* parent)
    : ChangeRecordForm(services, parent, QStringLiteral("TChangeTimeRecordForm"),
                       QStringLiteral("Change Time Record For Client/Matter/Date")) {}

}  // namespace vrk::ui
