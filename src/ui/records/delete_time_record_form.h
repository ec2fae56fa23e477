// TDeleteTimeRecordForm: displays a time record chosen by client, matter and date, and deletes it.
#pragma once

#include "core/records/time_records.h"
#include "ui/records/delete_record_form.h"
#include "ui/records/time_record_shown.h"

namespace vrk::ui {

class TDeleteTimeRecordForm : public DeleteRecordForm<records::DeleteTimeRecord, TimeRecordShown> {
  Q_OBJECT

 public:
  explicit TDeleteTimeRecordForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
