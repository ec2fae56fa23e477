// The text of the Matters tab's help page.
#include "core/help/help_texts.h"

namespace vrk::help {

std::string_view mattersHelpText() {
  return R"(MATTERS HELP --
A matter is a piece of work for one client, numbered from 1 to 99999. A number need only be
unique within its client: two clients may each have a matter 1. The Matters tab offers "Add
A New Matter", "Change Data For A Matter", "Delete A Matter", "Display/Print Data For A
Matter", "Print All Matter Data For A Client", "Review/Change Matters For A Client",
"Display/Print A List Of All Matters For A Client", "Display/Print A List Of All Matters
For A Client Group" and "Display/Print A List Of All Matters For All Clients".

RETAINER SERVICES --
Every client has a matter 0, "Retainer Services", without adding it. Time recorded under
matter 0 is listed on the statement as N/C and never billed: use it for work covered by the
client's monthly retainer. Cost and credit records need a matter of their own.

ADD A NEW MATTER --
Enter:
- the client code and the matter number; the numbers the client uses already are listed;
- a description of up to four lines, as it is to appear on statements;
- the date the matter was created;
- the principal attorney (initials from the attorney list) and the fee schedule under which
  the matter's time is billed;
- the hours, fees, costs and credits to date: the matter's totals before this billing
  period. Leave them blank (0) for a new matter; for work billed before you used this
  program, enter the totals so far.
A number the client uses already is refused with THIS NUMBER IS ALREADY IN USE FOR THIS
CLIENT.

MATTER TOTALS --
The final statements add each matter's hours, fees, costs and credits of the month to its
totals to date in the next billing period's folder. The print-outs of a matter show its
totals at the start of the billing period.

CHANGE DATA FOR A MATTER --
Choose the client code and the matter number, click "Display", change the matter and click
"Save". The client code and the matter number can be changed as well; the matter's time
and cost/credit records of this billing period move with it to the new client and number.

DELETE A MATTER --
Choose the client code and the matter number, click "Display" and then "Delete". There is
no further question. The matter's time and cost/credit records are not deleted: delete them
first, or the statement run will report them as records without a matter.

DISPLAY AND PRINT --
- "Display/Print Data For A Matter" shows one matter; "Print" prints it.
- "Print All Matter Data For A Client" prints every matter of a client, one to a page.
- The three list commands show or print the matters of one client, of one client group or
  of all clients, with their numbers and descriptions.

REVIEW/CHANGE MATTERS FOR A CLIENT --
Choose the client code and step through its matters with "Next" and "Back"; correct the
matter shown and click "Save". The window stays open until you click "Cancel".
)";
}

}  // namespace vrk::help
