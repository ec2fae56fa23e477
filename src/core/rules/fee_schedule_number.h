// The fee schedule number rule: a number from 1 to the number of fee schedules in use.
#pragma once

#include <string>

namespace vrk::rules {

enum class FeeScheduleCheck {
  Valid,
  NotANumber,  // empty, or a character other than a digit: "ENTER A NUMBER"
  OutOfRange,  // digits, but not from 1 to the schedule count: "ENTER A NUMBER FROM 1 TO " + count
};

FeeScheduleCheck checkFeeScheduleNumber(const std::string& text, int scheduleCount);

}  // namespace vrk::rules
