// TAddTimeRecordForm: adds a time record for a client's matter and sets the last entry date.
#pragma once

#include "core/records/time_records.h"
#include "ui/records/add_record_form.h"
#include "ui/records/time_entry_part.h"

namespace vrk::ui {

class TAddTimeRecordForm : public AddRecordForm<records::AddTimeRecord, TimeEntryPart> {
  Q_OBJECT

 public:
  explicit TAddTimeRecordForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
