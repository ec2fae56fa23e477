#include "ui/records/delete_time_record_form.h"

namespace vrk::ui {

TDeleteTimeRecordForm::TDeleteTimeRecordForm(AppServices& services, QWidget* parent)
    : DeleteRecordForm(services, parent, QStringLiteral("TDeleteTimeRecordForm"),
                       QStringLiteral("Delete Time Record For Client/Matter/Date")) {}

}  // namespace vrk::ui
