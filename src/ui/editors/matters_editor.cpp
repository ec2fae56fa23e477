#include "ui/editors/matters_editor.h"

#include <QFormLayout>
#include <QLineEdit>

#include "ui/common/capitals.h"
#include "ui/common/description_box.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {

using recordforms::namedEdit;

MatterEditPart::MatterEditPart()
    : fields_{namedEdit("ClientCodeEditBox", this),
              namedEdit(matters::box::kMatterNumberEditBox, this),
              descriptionBox("Memo1", int(matters::kDescriptionLines), this),
              namedDatePicker("DateTimePicker1", this),
              namedComboBox("PrincipalAttorneyComboBox", this),
              namedComboBox("FeeScheduleComboBox", this),
              namedEdit(matters::box::kHoursToDateEditBox, this),
              namedEdit(matters::box::kFeesToDateEditBox, this),
              namedEdit(matters::box::kCostsToDateEditBox, this),
              namedEdit(matters::box::kCreditsToDateEditBox, this)} {
  capitaliseOnLeave(fields_.client);
  capitaliseOnLeave(fields_.attorney);
  auto* rows = fields_.rows(QStringLiteral("Hours To Date  For This Matter"));
  rows->setContentsMargins(0, 0, 0, 0);
  setLayout(rows);
}

void MatterEditPart::reset(const matters::MatterLists& lists) {
  setStoredItems(fields_.attorney, lists.attorneys);
  setStoredItems(fields_.schedule, scheduleNumbers(lists.scheduleCount));
}

TReviewChangeClientMattersForm::TReviewChangeClientMattersForm(AppServices& services, QWidget* parent)
    : EditorLogicForm(services, parent, QStringLiteral("TReviewChangeClientMattersForm"),
                      QStringLiteral("Review/Change Matters For Client"), new MatterEditPart) {}

}  // namespace vrk::ui
