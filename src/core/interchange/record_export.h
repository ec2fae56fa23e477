// Exporting the billing period's records and its client and matter lists as CSV files that
// spreadsheets open and that the record import reads back.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vrk::interchange {

enum class ExportKind { Time, CostCredit, Payment, Clients, Matters };

// The header row of each kind: the import's columns for the records; for clients and matters the
// field names of vrk-batch's add-client and add-matter (the client's code first, a matter's
// client and number first).
std::vector<std::string> exportColumns(ExportKind kind);

// The whole file, UTF-8 with a byte-order mark, CRLF line ends: the header row, then a row per
// record in table order. Dates MM/DD/YYYY (a client never billed: empty), amounts and hours as
// plain decimals without leading zeros, a description's lines joined by line breaks (empty lines
// at its end left out), a time record without a special rate an empty rate. A missing table is
// an empty one; a damaged one raises StoreError.
std::string exportRecords(const std::filesystem::path& folder, ExportKind kind);

}  // namespace vrk::interchange
