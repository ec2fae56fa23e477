#include "core/attorneys/add_attorney.h"

#include "core/attorneys/attorney_messages.h"
#include "core/attorneys/rate_entry.h"
#include "core/attorneys/refusal.h"
#include "core/rules/input_rules.h"

namespace vrk::attorneys {

AddAttorney::AddAttorney(std::filesystem::path folder) : folder_(std::move(folder)) {
  const store::Transaction tx(folder_);
  if (registerStarted(tx)) reg_ = loadAttorneyRegister(tx);
  grid_ = registerGrid(reg_, reg_.scheduleCount == 0 ? 1 : kMaxFeeSchedules);
  grid_.rows.emplace_back();
}

std::string AddAttorney::rateLabel() const {
  if (reg_.scheduleCount <= 1) return "Enter Hourly Rate For Fee Schedule # 1";
  return "Enter Hourly Rates For Schedules 1 - " + std::to_string(reg_.scheduleCount);
}

bool AddAttorney::rateBoxEnabled(int box) const {
  return box == 1 || (box >= 2 && box <= reg_.scheduleCount);
}

const std::string& AddAttorney::typeInitials(const std::string& text) {
  grid_.setCell(previewRow(), 0, text);
  return grid_.cell(previewRow(), 0);
}

const std::string& AddAttorney::typeRate(int box, const std::string& boxText) {
  grid_.setCell(previewRow(), box, shownRate(rateTextFromBox(boxText)));
  return grid_.cell(previewRow(), box);
}

std::string AddAttorney::leaveInitials(const std::string& text) {
  std::string upper = rules::capitals(text);
  typeInitials(upper);
  return upper;
}

dialog::Outcome AddAttorney::save(const AddAttorneyInput& input) {
  dialog::Outcome outcome;
  if (!rules::isAttorneyInitials(input.initials)) outcome.error(kInvalidAttorneyInitials);
  if (reg_.find(input.initials)) outcome.error(kDuplicateAttorneyInitials);
  if (!outcome.messages.empty()) return outcome;

  RateRecord rateTexts;
  for (std::size_t k = 0; k < rateTexts.size(); ++k) rateTexts[k] = rateTextFromBox(input.rateBoxes[k]);
  AttorneyRegister changed = reg_;
  addAttorney(changed, input.initials, rateTexts);

  store::Transaction tx(folder_);
  stageAttorneyRegister(tx, changed);
  tx.commit();
  reg_ = std::move(changed);
  grid_ = {};
  return closedWithOk();
}

}  // namespace vrk::attorneys
