// A client's statement as LEDES 1998B electronic invoices: one invoice per matter with billed fees,
// costs or credits, from the same computation as the printed statement.
#pragma once

#include <filesystem>
#include <string>

#include "core/store/dates.h"

namespace vrk::interchange {

inline constexpr const char* kDraftInvoiceNumber = "DRAFT";
inline constexpr const char* kNoLedesItems =
    "NO FEES, COSTS OR CREDITS ARE BILLED TO THIS CLIENT\r\nIN THIS BILLING PERIOD: THERE IS NO INVOICE TO SAVE";

struct LedesRequest {
  std::string client;
  std::string period;                 // MMYYYY: the billing start and end dates
  store::CalendarDate statementDate;  // the invoice date
  std::string invoiceNumber = kDraftInvoiceNumber;
};

// The file's text (CRLF line ends): "LEDES1998B[]", the 24 field names, then a line per item of
// each matter's invoice. Billed time is a fee line (F) per time record (per attorney for summary
// billing), costs expense lines (E), credits invoice-level expense adjustments (IE) with negative
// totals; no-charge time, the balance forward, late charge and monthly retainer are not line items.
// A client without such items gives the two header lines alone. StoreError for a file error;
// std::invalid_argument for a client code that is not in the client list.
std::string ledesInvoices(const std::filesystem::path& folder, const LedesRequest& request);

// The line items of a file ledesInvoices() wrote (its lines after the two header lines).
std::size_t ledesLineItems(const std::string& file);

}  // namespace vrk::interchange
