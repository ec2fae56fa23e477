// TChangeTimeRecordForm: displays a time record chosen by client, matter and date, and saves it changed.
#pragma once

#include "core/records/time_records.h"
#include "ui/records/change_record_form.h"
#include "ui/records/time_entry_part.h"

namespace vrk::ui {

class TChangeTimeRecordForm : public ChangeRecordForm<records::ChangeTimeRecord, TimeEntryPart> {
  Q_OBJECT

 public:
  explicit TChangeTimeRecordForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
