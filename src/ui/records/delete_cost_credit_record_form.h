// TDeleteCostCreditRecordForm: displays a cost/credit record chosen by client, matter and date, and deletes
// it.
#pragma once

#include "core/records/cost_credit_records.h"
#include "ui/records/cost_credit_shown.h"
#include "ui/records/delete_record_form.h"

namespace vrk::ui {

class TDeleteCostCreditRecordForm
    : public DeleteRecordForm<records::DeleteCostCreditRecord, CostCreditShown> {
  Q_OBJECT

 public:
  explicit TDeleteCostCreditRecordForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
