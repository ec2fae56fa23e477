// CSV files from any bytes: the reader never fails but with a message naming a line, and every row
// it reads, written again, reads back to the same fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/interchange/csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vrk::interchange;
  const CsvFile file = readCsv(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!file.error.empty() && (file.error.rfind("line ", 0) != 0 || !file.rows.empty())) std::abort();
  int line = 0;
  for (const auto& row : file.rows) {
    if (row.line <= line) std::abort();  // rows come in line order
    line = row.line;
    const CsvFile again = readCsv(csvLine(row.fields));
    if (!again.error.empty() || again.rows.size() != 1 || again.rows.front().fields != row.fields) std::abort();
  }
  return 0;
}
