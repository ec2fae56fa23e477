// The text of the Billing Records tab's help page.
#include "core/help/help_texts.h"

namespace vrk::help {

std::string_view billingRecordsHelpText() {
  return R"(BILLING RECORDS HELP --
Billing records are the month's work and money for each client: time records, cost and
credit records, and client payments. They belong to the billing period shown at the bottom
of the main window, so enter each record with the billing period set to the month in which
it is to be billed. For each kind the tab offers an add, a change, a delete and a review
command: "Add A Time Record", "Change A Time Record", "Delete A Time Record",
"Review/Change Client Time Records", "Add A Cost/Credit Record", "Change A Cost/Credit
Record", "Delete A Cost/Credit Record", "Review/Change Client Cost/Credit Records", "Add A
Client Payment Record", "Change A Client Payment Record", "Delete A Client Payment Record"
and "Review/Change Client Payment Records".

TIME RECORDS --
A time record says that an attorney worked for a client on a matter on a given day. Enter:
- the client code and the matter number (the client's matters are listed; 0 books the time
  to the client's retainer services, which are never billed);
- the date, preset to the date of the last record you saved;
- the attorney's initials;
- the time in hours and tenths, from 0.1 to 999.9;
- the billing rate: leave it blank (or with just the dollar sign) to bill the attorney's
  rate under the matter's fee schedule; type a rate only when this record is to be billed
  at a special rate, or 0 to record the time as no charge (N/C);
- a description of the work, up to six lines, as it is to appear on the statement.

COST AND CREDIT RECORDS --
A cost is an expense charged to the client, such as a filing fee; a credit is an amount
allowed to the client. Enter the client code, the number of one of the client's matters
(matter 0 is not accepted here), the date, "Cost Record" or "Credit Record", the amount
from $0.01 to $99,999,999.99 (a credit is entered as a positive amount), and a description
of up to four lines. Whether costs and credits are billed depends on the client's billing
category.

CLIENT PAYMENTS --
A payment belongs to the client as a whole, not to a matter. Enter the client code, the
payment date and the amount. Every payment added, changed or deleted also changes the
client's payments since last statement: the next final statement subtracts them from the
balance due (or adds them to the trust account balance) and then starts them again at 0.
Statements tell the client PAYMENTS WE RECEIVED AFTER THE END OF LAST MONTH WILL BE
REFLECTED ON YOUR NEXT STATEMENT, so enter each payment in the billing period in which it
arrived.

CHANGING AND DELETING A RECORD --
Choose the client code, then the matter number and the date from the lists (for a payment,
the client code and the date), and click "Display". Change the record and click "Save", or
in the delete window click "Delete"; a record is deleted without a further question. When
a matter has two records on the same day, its date is listed twice, the record entered
first coming first. A change of client, matter or date moves the record to its new place.

REVIEW/CHANGE CLIENT RECORDS --
The three review commands step through all records of one client: choose the client code
and click "Next" or "Back". At either end the program says so, for example END OF TIME
RECORDS FOR CLIENT or BEGINNING OF TIME RECORDS FOR CLIENT. Correct the record shown and
click "Save"; the window stays open for the next record until you click "Cancel".

HOW TIME IS PRICED --
Time is priced when statements and reports are made, not when it is entered: at the
record's own billing rate when it has one, otherwise at the attorney's rate under the fee
schedule of the matter. A rate changed on the Attorneys tab therefore applies to all time
of the billing period not yet on a final statement. Records of initials missing from the
attorney list, or of a matter the client does not have, are reported and left out when
statements are made.

WHEN RECORDS CANNOT BE ENTERED --
Records cannot be added or deleted until final statements have been printed for all client
groups of the prior billing period (see the Data Entry help); "Change A Time Record",
"Change A Cost/Credit Record" and "Change A Client Payment Record" still work. Once the
final statements of this billing period are complete, every command asks FINAL STATEMENTS
HAVE BEEN COMPLETED FOR THIS BILLING PERIOD DO YOU WANT TO CONTINUE WITH THIS OPERATION?
A record entered or changed after that is on no final statement: enter late work in the
next billing period instead.
)";
}

}  // namespace vrk::help
