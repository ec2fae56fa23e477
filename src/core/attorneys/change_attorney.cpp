#include "core/attorneys/change_attorney.h"

#include "core/attorneys/attorney_messages.h"
#include "core/attorneys/refusal.h"
#include "core/rules/input_rules.h"

namespace vrk::attorneys {

ChangeAttorney::ChangeAttorney(std::filesystem::path folder) : folder_(std::move(folder)) {
  reg_ = loadAttorneyRegister(store::Transaction(folder_));
  grid_ = registerGrid(reg_);
}

dialog::Outcome ChangeAttorney::save(const std::string& from, const std::string& to) {
  if (!rules::isAttorneyInitials(from)) return refusal(kChangeFromInvalid);
  const auto position = reg_.find(from);
  if (!position) return refusal(kChangeFromNotPresent);
  if (!rules::isAttorneyInitials(to)) return refusal(kChangeToInvalid);
  // Two equal lines could not stay parallel to the rate records.
  const auto taken = reg_.find(to);
  if (taken && *taken != *position) return refusal(kChangeToInUse);

  AttorneyRegister changed = reg_;
  renameAttorney(changed, *position, to);
  store::Transaction tx(folder_);
  stageAttorneyList(tx, changed);
  stageRateRecords(tx, changed);
  tx.commit();
  reg_ = std::move(changed);
  return closedWithOk();
}

}  // namespace vrk::attorneys
