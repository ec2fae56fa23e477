// TChangeCostCreditRecordForm: displays a cost/credit record chosen by client, matter and date, and saves it
// changed.
#pragma once

#include "core/records/cost_credit_records.h"
#include "ui/records/change_record_form.h"
#include "ui/records/cost_credit_entry_part.h"

namespace vrk::ui {

class TChangeCostCreditRecordForm
    : public ChangeRecordForm<records::ChangeCostCreditRecord, CostCreditEntryPart> {
  Q_OBJECT

 public:
  explicit TChangeCostCreditRecordForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
