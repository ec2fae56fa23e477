// vrk-batch: the attorney and fee schedule actions and the fee schedule print-out.
#include <cctype>

#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/attorneys/add_attorney.h"
#include "core/attorneys/add_fee_schedule.h"
#include "core/attorneys/change_attorney.h"
#include "core/attorneys/change_fee_schedules.h"
#include "core/attorneys/delete_attorney.h"
#include "core/attorneys/delete_fee_schedule.h"
#include "core/attorneys/display_fee_schedules.h"
#include "core/rules/box_text.h"
#include "core/rules/input_rules.h"
#include "core/store/catalogue.h"

namespace vrk::batch {
namespace {

using rules::capitals;

// A rate typed as a plain amount, or as the masked box shows it, as the box would hold it.
std::string rateBox(const FieldValues& fields, const std::string& name) {
  const auto box = rules::rateBoxText(fields.get(name));
  if (!box) throw UsageError(name + "=" + fields.get(name) + " does not fit the rate box $99,999.99");
  return *box;
}

// The grid row of an attorney named in a field (rate-JD), or a usage error.
int rowOf(const attorneys::AttorneyGrid& grid, const std::string& initials, const std::string& field) {
  for (int row = 1; row < grid.rowCount(); ++row)
    if (grid.cell(row, 0) == initials) return row;
  throw UsageError(field + ": no attorney has the initials " + initials);
}

ActionResult addAttorney(Context& context, const FieldValues& fields, dialog::Prompter&) {
  attorneys::AddAttorneyInput input{capitals(fields.get("initials")), {}};
  for (int k = 1; k <= attorneys::kMaxFeeSchedules; ++k)
    input.rateBoxes[static_cast<std::size_t>(k - 1)] = rateBox(fields, "rate-" + std::to_string(k));
  attorneys::AddAttorney add(context.folder());
  return {add.save(input), {}};
}

ActionResult changeAttorney(Context& context, const FieldValues& fields, dialog::Prompter&) {
  attorneys::ChangeAttorney change(context.folder());
  return {change.save(capitals(fields.get("from")), capitals(fields.get("to"))), {}};
}

ActionResult deleteAttorney(Context& context, const FieldValues& fields, dialog::Prompter&) {
  attorneys::DeleteAttorney remove(context.folder());
  return {remove.remove(capitals(fields.get("initials"))), {}};
}

ActionResult addFeeSchedule(Context& context, const FieldValues& fields, dialog::Prompter&) {
  attorneys::AddFeeSchedule add(context.folder());
  const bool firstUse = add.mode() == attorneys::AddScheduleMode::FirstUse;
  for (const auto& [name, value] : fields.all()) {
    const bool firstUseField = name == "initials" || name == "rate";
    if (firstUseField != firstUse)
      throw UsageError(
          name + (firstUse ? " needs an attorney register; give initials= and rate= for the first attorney"
                           : " is only for the first attorney; give rate-INITIALS= for each attorney"));
    if (name == "initials") add.setCell(1, 0, value);
    if (name == "rate") add.setCell(1, 1, value);
    if (!firstUse) add.setCell(rowOf(add.grid(), capitals(name.substr(5)), name), add.newSchedule(), value);
  }
  return {add.save(), {}};
}

ActionResult changeFeeSchedules(Context& context, const FieldValues& fields, dialog::Prompter&) {
  attorneys::ChangeFeeSchedules change(context.folder());
  for (const auto& [name, value] : fields.all()) {
    const std::string named = name.substr(5);  // INITIALS-K
    const std::size_t dash = named.rfind('-');
    const std::string number = dash == std::string::npos ? std::string() : named.substr(dash + 1);
    const bool digits = !number.empty() && number.size() <= 2 &&
                        std::isdigit(static_cast<unsigned char>(number[0])) &&
                        std::isdigit(static_cast<unsigned char>(number.back()));
    const int row = rowOf(change.grid(), capitals(named.substr(0, dash)), name);
    const int schedule = digits ? std::stoi(number) : 0;
    if (!change.selectable(row, schedule))
      throw UsageError(name + ": give rate-INITIALS-K with K from 1 to " +
                       std::to_string(change.scheduleCount()));
    change.setCell(row, schedule, value);
  }
  return {change.save(), {}};
}

ActionResult deleteFeeSchedule(Context& context, const FieldValues& fields, dialog::Prompter&) {
  attorneys::DeleteFeeSchedule remove(context.folder());
  return {remove.remove(fields.get("schedule")), {}};
}

}  // namespace

void registerAttorneyActions(Registry& registry) {
  std::vector<std::string> rates = {"initials"};
  for (int k = 1; k <= attorneys::kMaxFeeSchedules; ++k) rates.push_back("rate-" + std::to_string(k));
  registry.add(Action{
      {"add-attorney",
       "Add A New Attorney: initials and the rate under each schedule (1250.50, $1,250.50 or $01,250.50)",
       rates, "Add A New Attorney"},
      addAttorney});
  registry.add(Action{{"change-attorney",
                       "Change Initials For An Attorney: from the initials to the new ones",
                       {"from", "to"},
                       "Change Initials For An Attorney"},
                      changeAttorney});
  registry.add(
      Action{{"delete-attorney", "Delete An Attorney", {"initials"}, "Delete An Attorney"}, deleteAttorney});
  registry.add(
      Action{{"add-fee-schedule",
              "Add A New Fee Schedule: each attorney's rate (rate-INITIALS), or the first attorney's "
              "initials and rate when there is no register yet",
              {"rate-*", "initials", "rate"},
              "Add A New Fee Schedule"},
             addFeeSchedule});
  registry.add(Action{{"change-fee-schedules",
                       "Change Fee Schedules: rate-INITIALS-K for an attorney's rate under schedule K; other "
                       "cells keep their rates",
                       {"rate-*"},
                       "Change Fee Schedules"},
                      changeFeeSchedules});
  registry.add(Action{{"delete-fee-schedule", "Delete A Fee Schedule", {"schedule"}, "Delete A Fee Schedule"},
                      deleteFeeSchedule});
  registry.add(DocumentAction{
      {"fee-schedules",
       "Display/Print Fee Schedules: every attorney's rate under each schedule",
       {},
       "Display/Print Fee Schedules"},
      [](Context& context, const FieldValues&, document::SinkKind) {
        return attorneys::DisplayFeeSchedules(context.folder()).printout(context.period, context.today);
      }});
}

}  // namespace vrk::batch
