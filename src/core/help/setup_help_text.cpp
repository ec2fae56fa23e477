// The text of the setup help page.
#include "core/help/help_texts.h"

namespace vrk::help {

std::string_view setupHelpText() {
  return R"(VRK - TIME AND BILLING FOR THE SMALL LAW OFFICE

SYSTEM REQUIREMENTS TO RUN THIS APPLICATION --
- A screen resolution setting of 1024 by 768 or higher. On a smaller screen the program
  warns THIS APPLICATION REQUIRES A SCREEN RESOLUTION SETTING OF 1024 BY 768 OR HIGHER and
  starts anyway, but some windows will not fit on the screen.
- A printer. Statements, reports, print-outs and mailing labels go to the printer chosen
  with the "Change Printer" button of the main window, or to the computer's default printer
  until another is chosen.
- Room on a hard disk for the data directory, which grows by one folder every month, and a
  second disk or a removable drive for backups.
- Only one copy of the program runs at a time. A second copy says PROGRAM VRK IS ALREADY
  RUNNING and stops.

PROGRAM OVERVIEW --
VRK records the time and the costs your office spends on its clients' matters and bills
every client once a month. You keep a list of attorneys, each known by initials of one to
three letters and each with an hourly rate under each of up to ten fee schedules; a list of
clients, each known by a client code of one to seven letters and digits and each belonging
to a client group named by one letter or digit; and the clients' matters, numbered 1 to
99999 for each client, each with a principal attorney and a fee schedule. During the month
you enter time records, cost and credit records and client payments. At the end of the
month you print draft statements as often as you like, then final statements with invoice
numbers, one client group at a time or all groups at once. The final statements carry every
client's balances forward into the next month. Around this the program prints reports,
lists and mailing labels, and makes backup copies of your data.

RUNNING THE PROGRAM FOR THE FIRST TIME --
Click "Continue" on the opening window. The first time, the program asks where to keep
its data:
- In the window "Select Location For Parent VRK Data Files Directory" choose the drive and
  the directory under which the data is to be kept, and click OK. The program adds the data
  directory VRK DATA FILES itself: choosing the directory Office puts the data in the
  directory VRK DATA FILES inside Office.
- When that directory does not exist yet, the program asks whether to create it ("Create
  New Directory:"). Answer Yes. If you answer No, or click Cancel in the first window, the
  program ends without saving anything and asks again the next time.
- In the window "Enter First Invoice Number" type the number the first final statement is
  to carry, from 1 to 32766, and click OK. Each final statement after it takes the next
  number. Cancel starts the numbering at 1.
- Confirm the billing period proposed, or type another month and year, and click OK (see
  THE BILLING PERIOD below). The main window opens.

   The program keeps the location of the data directory, the next invoice number and the
directory of the last backup in your personal settings on this computer and does not ask
for them again. The location of the data directory cannot be changed later.

THE BILLING PERIOD --
The program always works on one billing period, a calendar month, shown at the bottom of
the main window after the words "Billing Period is" as MM/YYYY. Each billing period has a folder
of its own inside the data directory VRK DATA FILES, named by its month and year as MMYYYY:
072001 for July 2001. At start-up the program proposes the month of today's date; confirm
it, or type another month and year, and click OK. An invalid month or year leaves the
billing period as it was. The "Change Billing Period" button of the main window switches to
another month; the folder of a month is created, empty, the first time it is opened.
Changing the billing period never copies or moves any data.

STARTING THE PROGRAM AFTER THE FIRST TIME --
Click "Continue", confirm or change the billing period and click OK. When the data
directory cannot be found, for example because a removable drive is not connected, the
program offers to create it. Answer No, end the program and check the drive: a new, empty
data directory holds none of your data.

SETTING UP YOUR OFFICE --
Enter the standing data in the first billing period you use, in this order:
- the attorneys with their hourly rates ("Add A New Attorney" on the Attorneys tab); the
  first attorney creates fee schedule 1, and "Add A New Fee Schedule" adds more;
- the clients ("Add A New Client" on the Clients tab), with the figures of their last
  statement when they were billed before;
- the clients' matters ("Add A New Matter" on the Matters tab).
Then enter the month's time records, cost and credit records and payments on the Billing
Records tab. The first month you use has no billing period before it, so nothing waits for
the final statements of an earlier month.

THE MONTHLY CYCLE --
- During the month, enter its billing records with the billing period set to that month.
- At the end of the month, print draft statements and correct what needs correcting.
- Print the final statements for every client group. They carry the attorneys, fee
  schedules, clients and matters, with the new balances, into the next month's folder.
- Make a backup, then change the billing period to the next month. Its folder starts
  without billing records.
Data cannot be added to a billing period until final statements exist for all client groups
of the billing period before it.

BACKUP AND RESTORE --
"Backup" in the File menu of the opening window or of the main window copies the whole data
directory, with every billing-period folder in it, into a directory you select, for example
on a removable drive. The copy is a directory named VRK DATA FILES inside the directory you
select. When a backup is there already the program asks OVERWRITE EXISTING BACKUP FILES?
before copying. "Restore" copies a backup back: select the backup's own VRK DATA FILES
directory (otherwise the program says SELECT A DIRECTORY WITH THE NAME VRK DATA FILES) and
click "Restore". Restore asks no question: it replaces the files of the same name in your
data directory with those of the backup, and files that exist only in your data directory
stay. First, though, it copies your whole data directory as it is into a directory beside
it named VRK DATA FILES before restore followed by the date and time, such as VRK DATA
FILES before restore 2001-07-31 174502; if that copy fails, nothing is restored. Backup and
restore end by saying how many files in how many folders were copied, and where. Before
saying so, both compare every file copied with the one it was copied from, byte for byte;
when a copy differs, for example on a failing drive, the program names the file (THE BACKUP
COPY OF name DIFFERS FROM THE ORIGINAL) instead, and the backup must be made again. Make a
backup at least after each month's final statements.

HELP AND EXIT --
The Help menus of the opening window and of the main window show these help pages; "Print"
prints the page shown. End the program with the "Exit" button of the main window, with
"Exit" in a File menu, or by closing the main window.
)";
}

}  // namespace vrk::help
