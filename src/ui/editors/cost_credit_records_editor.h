// TReviewChangeClientCostCreditRecordsForm: steps through a client's cost and credit records and
// saves the shown one.
#pragma once

#include "core/records/record_editors.h"
#include "ui/editors/editor_form.h"
#include "ui/records/cost_credit_entry_part.h"

namespace vrk::ui {

class TReviewChangeClientCostCreditRecordsForm
    : public BillingEditorForm<records::CostCreditRecordEditor, CostCreditEntryPart> {
  Q_OBJECT

 public:
  explicit TReviewChangeClientCostCreditRecordsForm(AppServices& services, QWidget* parent = nullptr)
      : BillingEditorForm(services, parent, QStringLiteral("TReviewChangeClientCostCreditRecordsForm")) {}
};

}  // namespace vrk::ui
