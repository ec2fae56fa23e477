// The text of the Reports tab's help page.
#include "core/help/help_texts.h"

namespace vrk::help {

std::string_view reportsHelpText() {
  return R"(REPORTS HELP --
The Reports tab offers "Display/Print Aged Accounts Report", "Display/Print Billing
Activity Report For This Billing Period", "Display/Print Attorney Activity Report For This
Billing Period", "Print Cumulative Payments Report For A Client", "Print Cumulative Hours
And Fees Report For A Matter", "Print Cumulative Costs Report For A Matter" and "Print
Cumulative Credits Report For A Matter". Reports only read your data; they never change it.
A report that can be displayed shows on the screen with "Display" and is printed with
"Print". A very long report on the screen brings the message YOU MAY NOT HAVE ENOUGH
COMPUTER RESOURCES TO DISPLAY THIS ENTIRE DOCUMENT; the whole report can still be printed.

AGED ACCOUNTS REPORT --
Lists every client of the billing period with its balances due for 90, 60 and 30 days, the
balance on the last statement, the payments received since and the balance due now, with
totals. The balances are those of the last final statements, reduced by the payments
entered since, so the report can be made at any time of the month. Trust account balances
are shown in parentheses and left out of the totals.

BILLING ACTIVITY AND ATTORNEY ACTIVITY REPORTS --
The billing activity report totals the month's billing: previous balances due, payments
received, previous and current trust balances, unpaid balances, late charges, retainer
fees, hourly fees, costs, credits, total billings and balances now due. The attorney
activity report shows each attorney's hours of overhead, contingent fee, no charge and
billed work, and the fees billed. Both are printed for each client group after its
statements. The reports of the whole billing period can be shown only when final
statements have been printed for all client groups; until then the program says FINAL
STATEMENTS HAVE NOT BEEN PRINTED FOR THIS BILLING PERIOD or FINAL STATEMENTS FOR ALL CLIENT
GROUPS HAVE NOT BEEN PRINTED FOR THIS BILLING PERIOD.

CUMULATIVE REPORTS --
The four cumulative reports gather records over a range of billing periods. Choose the
client (and the matter) and the beginning and final month and year; the three matter
reports also take a report title of up to six lines. Months without records for the client
or matter are passed over. These reports are printed only.
- "Print Cumulative Hours And Fees Report For A Matter" lists the matter's time records
  with their hours and fees, and the totals by attorney. Choose "Use Hourly Rates In Effect
  When Work Was Performed" to price the time as each month's rates and billing rates give,
  or "Enter Custom Hourly Rates To Be Used For This Report" to be asked for one rate for
  each attorney. With the rates in effect, a month whose matter list lacks the matter adds
  nothing, and a record whose attorney has no rate in its month shows NO RATE: its hours
  count, its fee does not.
- "Print Cumulative Costs Report For A Matter" and "Print Cumulative Credits Report For A
  Matter" list the matter's costs or credits with their total.
- "Print Cumulative Payments Report For A Client" lists the client's payments with their
  total.

OTHER LISTS --
Lists of matters are on the Matters tab, client data and lists of client codes on the
Clients tab, fee schedules on the Attorneys tab, and mailing labels on the Monthly
Statements tab.
)";
}

}  // namespace vrk::help
