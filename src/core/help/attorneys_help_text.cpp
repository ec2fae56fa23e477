// The text of the Attorneys tab's help page.
#include "core/help/help_texts.h"

namespace vrk::help {

std::string_view attorneysHelpText() {
  return R"(ATTORNEYS HELP --
The Attorneys tab keeps the attorneys and their hourly rates: "Add A New Attorney",
"Change Initials For An Attorney", "Delete An Attorney", "Add A New Fee Schedule", "Change
Fee Schedules", "Delete A Fee Schedule" and "Display/Print Fee Schedules". An attorney is
known by initials of one to three letters, and has one hourly rate under each fee schedule
in use.

FEE SCHEDULES --
A fee schedule is a numbered column of hourly rates, one for each attorney, so that an
attorney can bill different matters at different rates. Up to ten fee schedules are kept,
numbered from 1 without gaps. Every matter names the fee schedule its time is billed
under: a time record is billed at its attorney's rate under the matter's fee schedule,
unless a billing rate is typed into the time record itself.

ADD A NEW ATTORNEY --
Type the initials and an hourly rate for each fee schedule in use and click "Save"; the
grid shows the attorneys already entered and, as you type, the new one. A rate left
untouched is $0.00. The very first attorney creates fee schedule 1 and takes its rate only.
Initials already in use are refused with DUPLICATE ATTORNEY INITIALS ARE NOT ALLOWED.

CHANGE INITIALS FOR AN ATTORNEY --
Choose the initials to change (or click the attorney's row), type the new initials and
click "Save". The attorney keeps its rates. Matters and time records that name the old
initials keep them, and a statement cannot price time of initials missing from the
attorney list: it reports NO BILLING RATES ARE PRESENT FOR ATTORNEY and leaves the record
out. Change initials only while no matter or time record uses them, or correct those too.

DELETE AN ATTORNEY --
Choose the initials (or click the attorney's row) and click "Delete". At least one attorney
must remain. The attorney's matters and time records are not changed; as above, time
records of a deleted attorney cannot be billed.

ADD A NEW FEE SCHEDULE --
A new column appears in the grid, with a dollar sign in each attorney's cell. Type every
attorney's rate under the new schedule and click "Save"; a cell left empty or holding only
the dollar sign is $0.00. The new schedule takes the next number.

CHANGE FEE SCHEDULES --
Overwrite any rates in the grid and click "Save". A rate that is not an amount is refused
with INVALID HOURLY RATE ENTRY, and nothing is saved.

DELETE A FEE SCHEDULE --
Type the schedule's number (or click a cell of its column) and click "Delete". The
schedules after it move down one number: deleting schedule 2 of 4 makes schedules 3 and 4
the new 2 and 3. Matters keep the number they name, so a matter that named schedule 3 is
now billed under the schedule that took number 3, and a matter that named the last
schedule names one that no longer exists: its records are left out of statements with the
message BILLING RATES ARE NOT PRESENT FOR FEE SCHEDULE. Check the fee schedules of your
matters after deleting one. The only fee schedule cannot be deleted.

DISPLAY/PRINT FEE SCHEDULES --
Shows every attorney with its rates under every fee schedule; "Print" prints them, up to
five schedules across a page.

WHEN RATES TAKE EFFECT --
Rates are looked up when statements and reports are made, not when time is entered. A rate
change therefore applies to all time of the billing period billed at fee schedule rates,
including time entered before the change. Every billing period keeps its own copy of the
attorneys and their rates, which the final statements carry into the next month, so a rate
changed this month does not change the billing of months already finished.
)";
}

}  // namespace vrk::help
