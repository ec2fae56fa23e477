// TAddCostCreditRecordForm: adds a cost or credit record for a client's matter and sets the last entry date.
#pragma once

#include "core/records/cost_credit_records.h"
#include "ui/records/add_record_form.h"
#include "ui/records/cost_credit_entry_part.h"

namespace vrk::ui {

class TAddCostCreditRecordForm : public AddRecordForm<records::AddCostCreditRecord, CostCreditEntryPart> {
  Q_OBJECT

 public:
  explicit TAddCostCreditRecordForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
