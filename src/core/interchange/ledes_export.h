// A client's statement as LEDES 1998B electronic invoices: one invoice per matter with billed fees,
// costs or credits, from the same computation as the printed statement.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/dialog/outcome.h"
#include "core/statements/statement.h"
#include "core/store/dates.h"

namespace vrk::interchange {

inline constexpr const char* kDraftInvoiceNumber = "DRAFT";
inline constexpr const char* kNoLedesItems =
    "NO FEES, COSTS OR CREDITS ARE BILLED TO THIS CLIENT\r\nIN THIS BILLING PERIOD: THERE IS NO INVOICE TO SAVE";

// Which statements to export and how their invoices are dated and numbered.
struct LedesRequest {
  std::string client;                 // one client's statement, or
  std::string group;                  // those of every client of this client group
  std::string period;                 // MMYYYY: the billing start and end dates
  store::CalendarDate statementDate;  // the invoice date
  std::string invoiceNumber = kDraftInvoiceNumber;
};

// A LEDES file's text (CRLF line ends): "LEDES1998B[]", the 24 field names, then a line per item of
// each invoice; `items` counts those lines.
struct LedesFile {
  std::string text;
  std::size_t items = 0;
};

// The two header lines alone.
LedesFile ledesHeader();

// Adds the invoices of a computed statement: one per matter with billed items. Billed time is a
// fee line (F) per time record (per attorney for summary billing), costs expense lines (E), credits
// invoice-level expense adjustments (IE) with negative totals; no-charge time, the balance forward,
// late charge and monthly retainer are not line items. The request's client and group are not used.
void addLedesInvoices(LedesFile& file, const statements::Statement& statement, const LedesRequest& request);

// The draft statements of the request's client or group, computed from the billing period's folder.
// A client without billed items adds nothing. StoreError for a file error; std::invalid_argument for
// a client code that is not in the client list.
LedesFile ledesInvoices(const std::filesystem::path& folder, const LedesRequest& request);

// Save As LEDES… of the one-client statement dialog: the client's draft statement as LEDES invoices,
// once the code passes the dialog's checks (the Display button's messages) and the client has billed
// items (else kNoLedesItems); nothing, with the outcome's message, otherwise.
inline constexpr const char* kLedesSaved = "THE LEDES FILE WAS SAVED";
std::optional<LedesFile> clientLedes(const std::filesystem::path& folder, const LedesRequest& request,
                                     dialog::Outcome& outcome);
// Then the file chosen: written whole, "THE LEDES FILE WAS SAVED"; StoreError naming it when it cannot be.
dialog::Outcome saveLedesFile(const LedesFile& ledes, const std::filesystem::path& file);

// The name a final run gives the LEDES file of a client's statement: "<invoice number>-<client>.txt".
std::string ledesFileName(int invoiceNumber, const std::string& client);

}  // namespace vrk::interchange
