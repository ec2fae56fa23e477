#include "ui/records/add_time_record_form.h"

namespace vrk::ui {

TAddTimeRecordForm::TAddTimeRecordForm(AppServices& services, QWidget* parent)
    : AddRecordForm(services, parent, QStringLiteral("TAddTimeRecordForm"),
                    QStringLiteral("Add A Time Record")) {}

}  // namespace vrk::ui
