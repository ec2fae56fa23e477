#include "core/attorneys/delete_attorney.h"

#include "core/attorneys/attorney_messages.h"
#include "core/attorneys/refusal.h"
#include "core/rules/input_rules.h"

namespace vrk::attorneys {

DeleteAttorney::DeleteAttorney(std::filesystem::path folder) : folder_(std::move(folder)) {
  reg_ = loadAttorneyRegister(store::Transaction(folder_));
  grid_ = registerGrid(reg_);
}

dialog::Outcome DeleteAttorney::remove(const std::string& initials) {
  if (!rules::isAttorneyInitials(initials)) return refusal(kDeleteInvalid);
  const auto position = reg_.find(initials);
  if (!position) return refusal(kDeleteNotPresent);
  if (reg_.initials.size() <= 1) return refusal(kDeleteOnlyAttorney, dialog::MessageKind::Information);

  AttorneyRegister changed = reg_;
  removeAttorney(changed, *position);
  store::Transaction tx(folder_);
  stageAttorneyList(tx, changed);
  stageRateRecords(tx, changed);
  tx.commit();
  reg_ = std::move(changed);
  return closedWithOk();
}

}  // namespace vrk::attorneys
