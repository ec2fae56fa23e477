// Importing billing records from a CSV file into the billing period: each row checked as the add
// dialog of its kind checks its boxes, and all rows saved in one transaction or none.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vrk::interchange {

enum class ImportKind { Time, CostCredit, Payment };

// The header row's column names, in the order an export writes them. Time: client, matter, date,
// attorney, hours, rate, description; cost/credit: client, matter, date, kind, amount,
// description; payment: client, date, amount. Rate, kind and description may be left out.
const std::vector<std::string>& importColumns(ImportKind kind);

struct ImportResult {
  std::size_t imported = 0;
  // "line N: MESSAGE", in line order; when there is any, nothing was imported.
  std::vector<std::string> problems;
};

// Reads the file's rows (a header row naming the columns, in any order and any letter case), checks
// each as the add dialog checks its boxes, with the same messages, and adds them all in one
// transaction, each where the add dialog would put it; a payment also raises its client's payments
// since the last statement. Dates are MM/DD/YYYY or YYYY-MM-DD; a kind is "cost" or "credit"
// (empty: cost); an empty rate is the fee schedule's rate. A description's line breaks start new
// description lines, and a longer line wraps at word boundaries to the record's width. A file
// error of the folder raises StoreError.
ImportResult importRecords(const std::filesystem::path& folder, ImportKind kind, std::string_view csvBytes);

// The lines of a description field as the record holds them: each line break starts a line, a
// line longer than `width` wraps at its last blank within the width (or is cut there when it has
// none). Empty when the text needs more than `lines` lines.
std::vector<std::string> wrapDescription(const std::string& text, std::size_t width, std::size_t lines);

}  // namespace vrk::interchange
