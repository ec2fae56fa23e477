// A plain listing of one client's billing records of one kind, one line a record, in table order.
#pragma once

#include <filesystem>
#include <string>

#include "core/document/document.h"

namespace vrk::records {

enum class ListedKind { Time, CostCredit, Payment };

// Reads the period folder's table of `kind` and lists the records of `client` (byte for byte),
// each line: the position within the client (from 1), the matter number as stored, the day as
// MM/DD/YYYY and the data slot (payments: position, day and amount only), then the fields as the
// display parts show them:
//   time:         initials, time, rate ($1,250.00 or "none"), the description lines joined by
//                 " / " without the empty ones;
//   cost/credit:  "cost" or "credit", amount ($1,234.50), description as for time;
//   payment:      amount.
// A client with no such records gives one line saying so.
document::Document recordListing(const std::filesystem::path& folder, ListedKind kind,
                                 const std::string& client);

}  // namespace vrk::records
