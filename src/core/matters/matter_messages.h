// The message texts of the matter dialogs, exactly as the boxes show them.
#pragma once

#include <optional>
#include <string>

#include "core/rules/fee_schedule_number.h"

namespace vrk::matters::message {

inline constexpr const char* kClientNotPresent =
    "            INVALID CLIENT CODE\r\nNO DATA IS PRESENT FOR THIS CLIENT";
inline constexpr const char* kClientCodeRule =
    "              INVALID CLIENT CODE\r\nENTER FROM 1 TO 7 LETTERS AND NUMBERS";
inline constexpr const char* kNumberInUse =
    "                 INVALID MATTER NUMBER\r\nTHIS NUMBER IS ALREADY IN USE FOR THIS CLIENT";
inline constexpr const char* kAddNumberInvalid =
    "        INVALID MATTER NUMBER\r\nENTER A NUMBER FROM 1 TO 99999";
inline constexpr const char* kNumberInvalid = "     INVALID MATTER NUMBER\r\nENTER A NUMBER FROM 1 TO 99999";
inline constexpr const char* kNumberNotInUse =
    "               INVALID MATTER NUMBER\r\nTHIS NUMBER IS NOT IN USE FOR THIS CLIENT";
inline constexpr const char* kFeeScheduleNotANumber = "INVALID FEE SCHEDULE\r\n    ENTER A NUMBER";
inline constexpr const char* kFeeScheduleOnlyOne = "INVALID FEE SCHEDULE\r\n ENTER THE NUMBER 1";
inline constexpr const char* kAttorneyEmpty = "INVALID ATTORNEY INITIALS";
inline constexpr const char* kAttorneyRule = "INVALID ATTORNEY INITIALS\r\n  ENTER 1, 2, OR 3 LETTERS";
inline constexpr const char* kAttorneyNotPresent =
    "            INVALID ATTORNEY INITIALS\r\nNO DATA IS PRESENT FOR THIS ATTORNEY";
inline constexpr const char* kHoursToDate =
    "           INVALID HOURS TO DATE\r\nENTER A NUMBER FROM 0 TO 999,999.9";
inline constexpr const char* kFeesToDate =
    "            INVALID ENTRY - FEES TO DATE\r\nENTER AN AMOUNT FROM $0.00 TO $99,999,999.99";
inline constexpr const char* kCostsToDate =
    "            INVALID ENTRY - COSTS TO DATE\r\nENTER AN AMOUNT FROM $0.00 TO $99,999,999.99";
inline constexpr const char* kCreditsToDate =
    "            INVALID ENTRY - CREDITS TO DATE\r\nENTER AN AMOUNT FROM $0.00 TO $99,999,999.99";
inline constexpr const char* kNotDisplayedForChange =
    "A MATTER MUST BE DISPLAYED\r\n  BEFORE IT CAN BE CHANGED";
inline constexpr const char* kNotDisplayedForDelete =
    "A Matter Must Be Displayed\r\n Before It Can Be Deleted";

// The delete dialog words the Display messages in mixed case.
inline constexpr const char* kDeleteClientNotPresent =
    "            Invalid Client Code\r\nNo Data Is Present For This Client";
inline constexpr const char* kDeleteNumberInvalid =
    "     Invalid Matter Number\r\nEnter A Number From 1 To 99999";
inline constexpr const char* kDeleteNumberNotInUse =
    "               Invalid Matter Number\r\nThis Number Is Not In Use For This Client";

// A fee schedule number outside 1..N. The add dialog centres the first line with eight blanks, the
// change dialog with five; with one schedule both ask for the number 1.
inline std::string feeScheduleOutOfRange(int scheduleCount, int leadingBlanks) {
  if (scheduleCount == 1) return kFeeScheduleOnlyOne;
  return std::string(static_cast<std::size_t>(leadingBlanks), ' ') +
         "INVALID FEE SCHEDULE\r\nENTER A NUMBER FROM 1 TO " + std::to_string(scheduleCount);
}

// The message for a typed fee schedule number that fails its rule; nothing when it passes.
inline std::optional<std::string> feeScheduleFailure(const std::string& typed, int scheduleCount,
                                                     int leadingBlanks) {
  switch (rules::checkFeeScheduleNumber(typed, scheduleCount)) {
    case rules::FeeScheduleCheck::NotANumber:
      return kFeeScheduleNotANumber;
    case rules::FeeScheduleCheck::OutOfRange:
      return feeScheduleOutOfRange(scheduleCount, leadingBlanks);
    case rules::FeeScheduleCheck::Valid:
      break;
  }
  return std::nullopt;
}

}  // namespace vrk::matters::message
