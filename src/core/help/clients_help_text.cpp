// The text of the Clients tab's help page.
#include "core/help/help_texts.h"

namespace vrk::help {

std::string_view clientsHelpText() {
  return R"(CLIENTS HELP --
The Clients tab keeps the clients of the billing period: "Add A New Client", "Change Data
For A Client", "Delete A Client", "Display/Print Client Data", "Display/Print A List Of
Client Codes In A Client Group" and "Delete A Client Group". Its four review commands,
"Review/Change Matters For A Client", "Review/Change Client Time Records", "Review/Change
Client Cost/Credit Records" and "Review/Change Client Payment Records", are the same as on
the Matters and Billing Records tabs.

ALL CLIENTS ARE BILLED MONTHLY --
Every client gets a statement every month, with the final statements of its client group,
also when nothing was recorded for it that month. A client stays on the books, month after
month, until you delete it.

ADD A NEW CLIENT --
Enter:
- the client code (one to seven letters and digits) and the client group (one letter or
  digit); a new group is added to the list of client groups;
- the billing address, up to six lines, as it is to appear on statements and labels;
- the billing category and whether late charges are assessed (both below);
- the date of the last statement, and the monthly retainer amount when the client pays a
  fixed amount every month;
- the figures of the client's last statement: fees, costs and credits on last statement,
  trust account balance, balance due on last statement, balances due for 30, 60 and 90
  days, and payments since last statement.
For a new client leave the amounts blank: a blank amount is $0.00. For a client billed
before you used this program, copy the figures of its last statement, so that its first
statement here carries the right balances forward. A code that is already in use is
refused with THIS CLIENT CODE IS ALREADY IN USE.

BILLING CATEGORIES --
- "Hourly Rate Client - Itemized Billing": every time record is listed with its fee.
- "Hourly Rate Client - Summary Billing": the time records are not listed; each matter
  shows one line per attorney with the hours, the attorney's rate under the matter's fee
  schedule and the amount. Special billing rates of time records are not used.
- "Contingent Fee Client - Client Billed for Costs": time is listed as N/C (no charge);
  costs and credits are billed.
- "Contingent Fee Client - Client Not Billed for Costs": time, costs and credits are
  listed, but nothing is billed.
- "Office Overhead": for the office's own work; listed, never billed.
Clients of the last two categories get no invoice number and no balance.

LATE CHARGES --
When "Assess Late Charges For Payments After End Of Month" is ticked, the statement adds a
late charge of 1.5% of the unpaid balance, which is the balance due on the last statement
less the payments received since. No late charge is added when the unpaid balance is $10.00
or less. When such a client has a balance now due, its statement ends with the notice A
LATE CHARGE OF 1.5% WILL BE ADDED TO ANY BALANCE REMAINING UNPAID AT THE END OF THIS MONTH.

TRUST ACCOUNT BALANCES --
A client comes to have a trust account balance in one of two ways:
- you enter it as the client's "Trust Account Balance", for example money the client
  deposited with the office in advance;
- the client pays more than the balance due: the overpayment is kept as a trust account
  balance on that month's statement and carried forward.
While a client has a trust account balance, its payments go into the trust account, and
the month's fees, costs and monthly retainer are taken from it (credits go back into it).
What the trust account does not cover becomes the balance now due, and the trust account
balance is then 0. Statements and reports show trust account balances in parentheses.

BALANCES DUE FOR 30, 60 AND 90 DAYS --
Every final statement ages the client's balance by a month: what was due on the last
statement and is still unpaid becomes the 30-day balance, the 30-day balance becomes the
60-day balance and the 60-day balance the 90-day balance, each reduced by the payments
received and never more than the balance now due. The aged accounts report on the Reports
tab shows them.

CHANGE DATA FOR A CLIENT --
Choose the client code, click "Display", change what needs changing and click "Save".
Every field can be changed, the client code too: a new code takes the client's matters and
its time, cost/credit and payment records of this billing period along with it. A client
group typed here that is not yet in the list of client groups is added to the list, so its
final statements are printed like those of every other group.

DELETE A CLIENT --
Choose the client code, click "Display" and then "Delete". The program asks whether all
matters of the client are to be deleted too; answer Yes unless you mean to keep them. The
client's time, cost/credit and payment records are not deleted.

CLIENT GROUPS --
"Display/Print A List Of Client Codes In A Client Group" lists the client codes of a group:
choose the group, click "Display", then "Print" for a printed list. "Delete A Client Group"
deletes every client of a group: choose the group, click "Display" to list its clients, then
"Delete". Each client is deleted as above, with the same question about its matters.

DISPLAY/PRINT CLIENT DATA --
Choose the client code and click "Display" to see everything kept for the client; "Print"
prints it on one page.
)";
}

}  // namespace vrk::help
