// The message texts of the attorney and fee schedule dialogs, exactly as the boxes show them.
#pragma once

namespace vrk::attorneys {

inline constexpr const char* kInvalidAttorneyInitials =
    "INVALID ATTORNEY INITIALS\r\n  ENTER 1, 2, OR 3 LETTERS";
inline constexpr const char* kDuplicateAttorneyInitials =
    "DUPLICATE ATTORNEY INITIALS\r\n       ARE NOT ALLOWED";

inline constexpr const char* kChangeFromInvalid =
    "ATTORNEY INITIALS TO BE CHANGED\r\n      MUST BE 1, 2, OR 3 LETTERS";
inline constexpr const char* kChangeFromNotPresent =
    "ATTORNEY INITIALS TO BE CHANGED\r\n           ARE NOT PRESENT";
inline constexpr const char* kChangeToInvalid =
    "REPLACEMENT ATTORNEY INITIALS\r\n     MUST BE 1, 2, OR 3 LETTERS";
inline constexpr const char* kChangeToInUse = "REPLACEMENT ATTORNEY INITIALS\r\n      ARE ALREADY IN USE";

inline constexpr const char* kDeleteInvalid = "Invalid Attorney Initials\r\n  Enter 1, 2, Or 3 Letters";
inline constexpr const char* kDeleteNotPresent =
    "              Invalid Entry\r\nThese Are New Attorney Initials";
inline constexpr const char* kDeleteOnlyAttorney =
    "Delete Operation Not Permitted\r\n   Only One Attorney Is Present";

inline constexpr const char* kInvalidBillingRate =
    "              INVALID HOURLY RATE\r\nENTER A NUMBER FROM $0.01 TO $99,999.99";

inline constexpr const char* kInvalidHourlyRateEntry = "INVALID HOURLY RATE ENTRY";
inline constexpr const char* kTenFeeSchedulesPresent = "TEN FEE SCHEDULES ARE ALREADY PRESENT";
// Followed by the schedule count.
inline constexpr const char* kInvalidFeeSchedule =
    "        Invalid Fee Schedule\r\nEnter A Number Between 1 And ";
inline constexpr const char* kDeleteOnlySchedule =
    " Delete Operation Not Permitted\r\nOnly One Fee Schedule Is Present";

// Labels.
inline constexpr const char* kAddInitialsLabel = "Enter Initials For\r\n  New Attorney";
inline constexpr const char* kDeleteAttorneyLabel = "Enter Initials of Attorney\r\n      To Be Deleted";
inline constexpr const char* kDeleteScheduleLabel = "Enter Schedule Number\r\n      To Be Deleted";

}  // namespace vrk::attorneys
