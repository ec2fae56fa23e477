// The logic of `TDisplayFeeSchedulesForm`: the register shown read-only, and its print-out.
#pragma once

#include <filesystem>
#include <string>

#include "core/attorneys/attorney_grid.h"
#include "core/attorneys/attorney_register.h"
#include "core/document/document.h"
#include "core/store/dates.h"

namespace vrk::attorneys {

class DisplayFeeSchedules {
 public:
  explicit DisplayFeeSchedules(const std::filesystem::path& folder);  // loads the register

  const AttorneyGrid& grid() const { return grid_; }
  const AttorneyRegister& attorneyRegister() const { return reg_; }

  // Print: the print-out for the billing period (MMYYYY) dated today.
  document::Document printout(const std::string& billingPeriod, const store::CalendarDate& today) const;

 private:
  AttorneyRegister reg_;
  AttorneyGrid grid_;
};

}  // namespace vrk::attorneys
