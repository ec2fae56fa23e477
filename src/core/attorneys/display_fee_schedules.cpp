#include "core/attorneys/display_fee_schedules.h"

#include "core/attorneys/fee_schedules_printout.h"

namespace vrk::attorneys {

DisplayFeeSchedules::DisplayFeeSchedules(const std::filesystem::path& folder)
    : reg_(loadAttorneyRegister(store::Transaction(folder))), grid_(registerGrid(reg_)) {}

document::Document DisplayFeeSchedules::printout(const std::string& billingPeriod,
                                                 const store::CalendarDate& today) const {
  return feeSchedulesPrintout(reg_, billingPeriod, today);
}

}  // namespace vrk::attorneys
