// The boxes of the billing record dialogs as texts, and the names an outcome writes back into.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/store/dates.h"

namespace vrk::records {

namespace box {
inline constexpr const char* kClientCode = "ClientCodeComboBox";
inline constexpr const char* kMatterNumber = "MatterNumberComboBox";
inline constexpr const char* kTime = "TimeEditBox";
inline constexpr const char* kBillingRate = "BillingRateEditBox";
inline constexpr const char* kAmount = "AmountEditBox";
}  // namespace box

struct TimeBoxes {
  std::string client;
  std::string matter;
  store::CalendarDate date;
  std::string attorney;
  std::string time;
  std::string rate;
  std::vector<std::string> description;  // the lines of the description box

  bool operator==(const TimeBoxes&) const = default;
};

struct CostCreditBoxes {
  std::string client;
  std::string matter;
  store::CalendarDate date;
  std::int32_t kind = 0;  // the chosen button: 0 "Cost Record", 1 "Credit Record"
  std::string amount;
  std::vector<std::string> description;

  bool operator==(const CostCreditBoxes&) const = default;
};

struct PaymentBoxes {
  std::string client;
  store::CalendarDate date;
  std::string amount;

  bool operator==(const PaymentBoxes&) const = default;
};

}  // namespace vrk::records
