#include "core/rules/fee_schedule_number.h"

#include <algorithm>

#include "core/rules/input_rules.h"

namespace vrk::rules {

FeeScheduleCheck checkFeeScheduleNumber(const std::string& text, int scheduleCount) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) return FeeScheduleCheck::NotANumber;
  long long value = 0;
  for (const char c : text) {
    value = value * 10 + (c - '0');
    if (value > scheduleCount) return FeeScheduleCheck::OutOfRange;
  }
  return value >= 1 ? FeeScheduleCheck::Valid : FeeScheduleCheck::OutOfRange;
}

}  // namespace vrk::rules
