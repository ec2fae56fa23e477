// The text of the Monthly Statements tab's help page.
#include "core/help/help_texts.h"

namespace vrk::help {

std::string_view monthlyStatementsHelpText() {
  return R"(MONTHLY STATEMENTS HELP --
All clients are billed monthly. At the end of each month the program makes a statement for
every client from the month's time, cost/credit and payment records and the balances of
the client's last statement. The tab offers "Display/Print A Draft Statement For A Client",
"Print Draft Statements For A Client Group", "Print Draft Statements For All Client
Groups", "Print Final Statements For A Client Group", "Print Final Statements For All
Client Groups" and "Print Mailing Labels". Each statement window has a "Statement Date",
preset to today, that is printed on the statements.

DRAFT STATEMENTS --
Draft statements change nothing and can be printed as often as you like, also after the
final statements. Display a client's draft on the screen, or print the drafts of one
client, of one client group or of all groups, and check them against the month's work.
Messages such as NO BILLING RATES ARE PRESENT FOR ATTORNEY or BILLING RECORDS ARE PRESENT
BUT NOT BEING PROCESSED FOR MATTER NUMBER name records that the statement leaves out:
correct them before printing final statements.

FINAL STATEMENTS --
Final statements are printed for one client group at a time or for all client groups at
once. A final run:
- prints every client's statement. Statements of clients in the categories "Hourly Rate
  Client - Itemized Billing", "Hourly Rate Client - Summary Billing" and "Contingent Fee
  Client - Client Billed for Costs" carry the next invoice number, which goes up by one
  for each of them;
- creates the next billing period's folder and copies the attorneys, fee schedules,
  clients and matters into it;
- carries each client's balances forward into that folder (below), with the statement date
  as its date of last statement, and adds the month's hours, fees, costs and credits of
  each matter to its totals to date;
- prints the attorney activity and billing activity reports of the group after its
  statements;
- records that the group's final statements are done. They cannot be printed twice: the
  program answers Final Statements Have Already Been Printed For This Client Group.
The next billing period starts without billing records. The month's records stay in its own
folder, where the cumulative reports find them.

BEFORE PRINTING FINAL STATEMENTS --
- Enter all time, cost/credit and payment records of the month.
- Print draft statements and check them.
- Make a backup of your data ("Backup" in the File menu).
- Load the printer with enough paper. A final statement cannot be printed again as a final
  statement; a draft printed afterwards shows the same figures, without the invoice number.

HOW A STATEMENT ARRIVES AT THE BALANCE NOW DUE --
The statement starts from the balance due on the last statement and subtracts the payments
received since, giving the unpaid balance. When the client is marked for late charges and
the unpaid balance is more than $10.00, a late charge of 1.5% of the unpaid balance is
added. Then the monthly retainer and the month's fees and costs are added and the credits
subtracted, giving the balance now due. For a client with a trust account balance the
payments go into the trust account and the month's charges are taken from it; only what
the trust account does not cover becomes the balance now due. Statements of contingent fee
clients not billed for costs and of office overhead show no balance.

WHAT THE FINAL STATEMENTS CARRY FORWARD --
In the next billing period each client's balance due on last statement is this statement's
balance now due; its fees, costs and credits on last statement are this statement's; its
trust account balance is what remains in trust; its balances due for 30, 60 and 90 days
are aged by one month and reduced by the payments received; and its payments since last
statement start again at 0.

AFTER THE FINAL STATEMENTS --
Data for the next billing period cannot be entered until final statements exist for all
client groups of this one. Once they do, change the billing period to the next month
("Change Billing Period") and enter its records there. In the finished month, commands
that change data first ask FINAL STATEMENTS HAVE BEEN COMPLETED FOR THIS BILLING PERIOD DO
YOU WANT TO CONTINUE WITH THIS OPERATION? Such changes are not carried into the next month.
The billing activity and attorney activity reports of the whole month can now be shown on
the Reports tab.

LEDES FILES --
Clients who pay through an electronic billing system need their invoices as LEDES 1998B
files. In "Display/Print A Draft Statement For A Client", "Save As LEDES..." saves the typed
client's draft statement as such a file, with the invoice number DRAFT. In the final
statement windows, tick "Also save LEDES files to..." and choose a folder: the final run then
saves one file per statement with an invoice number, named by the invoice number and the
client code, such as 1001-ACME.txt. The files appear only when the final statements were
saved; a file of the same name already in the folder stops the run before it saves anything.

REPRINTING FINAL STATEMENTS --
Every final run keeps what it printed, statements and activity reports, as a PDF file in the
billing period's folder: Final Statements Group A.pdf for client group A. When a printout is
lost or jammed, "Reprint Final Statements..." in the File menu lists the final runs kept for
the current billing period: "Print" prints the chosen one again exactly as it was, invoice
numbers included, and "Open" shows it in the computer's PDF viewer.

CLOSED MONTHS --
When the last client group of a month gets its final statements, the month is closed: the
final run writes a seal, the file Period Seal.txt in the month's folder, listing the size
and a fingerprint (SHA-256) of every data file of the month. When you open a closed month
whose files have changed since, the program says once THE FILES OF THIS CLOSED BILLING
PERIOD HAVE CHANGED SINCE ITS FINAL STATEMENTS. Records of a closed month can still be
changed; the seal only makes the change visible. The command-line tool checks seals without
opening the program: vrk-batch verify checks the current billing period, vrk-batch verify
--period 072001 the month named and vrk-batch verify --all every closed month, listing each
changed, missing or added data file.

MAILING LABELS --
"Print Mailing Labels" prints the billing addresses on sheets of 1-1/3 by 4 inch labels,
two across and seven down. Choose labels for all clients, only for clients with billing
activity (a monthly retainer, fees, costs or credits on the last statement, a balance due, a
trust account balance or payments since the last statement), or for clients you select one
by one.
)";
}

}  // namespace vrk::help
