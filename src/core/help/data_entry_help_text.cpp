// The text of the data entry help page.
#include "core/help/help_texts.h"

namespace vrk::help {

std::string_view dataEntryHelpText() {
  return R"(DATA ENTRY HELP --
Every command of the main window opens a window of its own. Type your entries and click
"Save" (or "Delete" or "Print"); "Cancel" closes the window without changing anything.
Nothing is written to your data until every entry of the window has passed its checks. When
an entry is not accepted, a message in capitals says which entry is wrong and what it must
be, for example INVALID CLIENT CODE ENTER FROM 1 TO 7 LETTERS AND NUMBERS. The window stays
open with your entries: correct the entry and save again. Most windows save one item and
then close; the "Review/Change" windows stay open until you click "Cancel".

CODES AND INITIALS --
- Client code: one to seven letters and digits, such as SMITH or ACME01.
- Client group: one letter or one digit.
- Attorney initials: one, two or three letters.
In most windows letters typed in lower case are turned into capitals when you leave the
box; elsewhere, type capitals. Blanks and other characters are not accepted.

NUMBERS AND AMOUNTS --
Amounts may be typed with or without the dollar sign and the commas: $1,250.50 and 1250.50
are the same entry. Leaving a numeric entry blank is the same as entering 0. In boxes that
show a pattern such as $__,___,___.__ type the figure as you would write it: the digits before
the decimal point fill the box from the right, and typing the point moves on to the cents, so
1500 shows $__,__1,500.__ and 1,500.50 shows $__,__1,500.50. The dollar sign and commas may
be typed or left out. Backspace and Delete take away a digit, Home, End and the arrow keys
move within the figure, and typing over a selected box starts it afresh. A position left
open counts as 0, so an untouched box means $0.00. Where 0 is not allowed, a blank
entry is refused just like a 0: a time must be at least 0.1 hours, and a cost, credit or
payment at least $0.01. The one exception is the billing rate of a time record: leave it
blank to bill the attorney's rate under the matter's fee schedule (see the Billing Records
help).
- Time: hours and tenths, from 0.1 to 999.9.
- Hourly rates: up to $99,999.99.
- Amounts of clients, matters, costs, credits and payments: up to $99,999,999.99.
- Hours to date of a matter: up to 999,999.9.
- Matter numbers: 1 to 99999; in time records 0 stands for the client's retainer services.
  Commas typed in a matter number are removed.

DATES --
Dates are picked in date boxes and shown as MM/DD/YYYY. The date of a new time,
cost/credit or payment record is preset to the date of the last record you saved (today's
date when the program starts), so that a day's work is entered without changing the date
each time.

ADDRESSES AND DESCRIPTIONS --
Addresses (up to six lines) and descriptions (up to four or six lines) are typed line by
line, pressing Enter at the end of each line. A line holds up to 40 characters: a longer
line is cut at 40 when it is saved, and lines beyond the last allowed one are ignored.

WHEN A COMMAND CANNOT BE STARTED --
Before a command opens its window the main window checks that it can run:
- Data for a billing period cannot be entered until final statements exist for all client
  groups of the prior billing period. Until then the commands that add, change or delete
  data say THIS OPERATION CANNOT BE PERFORMED UNTIL FINAL STATEMENTS HAVE BEEN PRINTED FOR
  THE PRIOR BILLING PERIOD FOR ALL CLIENT GROUPS. Displays, print-outs, statements and
  reports still work, and so do "Change A Time Record", "Change A Cost/Credit Record" and
  "Change A Client Payment Record". Print the final statements of the prior month first,
  or check that the billing period is the one you mean.
- A command that needs data the billing period does not have says so, for example THERE
  ARE NO CLIENT DATA FILES FOR THIS BILLING PERIOD or THERE ARE NO TIME RECORD DATA FILES
  FOR THIS BILLING PERIOD. Check the billing period at the bottom of the main window: a new
  month has no data until the final statements of the month before carry it forward.
- When final statements have been printed for all client groups of the billing period, a
  command that changes data first asks FINAL STATEMENTS HAVE BEEN COMPLETED FOR THIS
  BILLING PERIOD DO YOU WANT TO CONTINUE WITH THIS OPERATION? Answer No to leave the
  finished month as it was billed. A change made after Yes is not carried into the next
  billing period, which already holds the balances of the final statements.

REVIEW/CHANGE WINDOWS --
The "Review/Change" commands show the matters, time records, cost/credit records or
payments of one client, one at a time. Choose the client code and click "Next" to step
forward or "Back" to step backward. After the last record the program says so (for example
END OF TIME RECORDS FOR CLIENT), and the next "Next" starts again at the first. Correct the
record shown and click "Save"; the window stays open for the next record.
)";
}

}  // namespace vrk::help
