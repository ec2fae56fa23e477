#include "ui/records/delete_cost_credit_record_form.h"

#include <QComboBox>

namespace vrk::ui {

TDeleteCostCreditRecordForm::TDeleteCostCreditRecordForm(AppServices& services, QWidget* parent)
    : DeleteRecordForm(services, parent, QStringLiteral("TDeleteCostCreditRecordForm"),
                       QStringLiteral("Delete Cost/Credit Record For Client/Matter/Date")) {
  // A matter number that fails its rule is reported as soon as the box is left.
  recordforms::onLeave(selectionPart()->matterBox(), this, [this] {
    if (!logic_) return;
    const std::string matter = selectionPart()->matter();
    act([&] { return records::DeleteCostCreditRecord::matterLeft(matter); });
  });
}

}  // namespace vrk::ui
