// TReviewChangeClientTimeRecordsForm: steps through a client's time records and saves the shown one.
#pragma once

#include "core/records/record_editors.h"
#include "ui/editors/editor_form.h"
#include "ui/records/time_entry_part.h"

namespace vrk::ui {

class TReviewChangeClientTimeRecordsForm
    : public BillingEditorForm<records::TimeRecordEditor, TimeEntryPart> {
  Q_OBJECT

 public:
  explicit TReviewChangeClientTimeRecordsForm(AppServices& services, QWidget* parent = nullptr)
      : BillingEditorForm(services, parent, QStringLiteral("TReviewChangeClientTimeRecordsForm")) {}
};

}  // namespace vrk::ui
