// LEDES 1998B checks of any bytes: the checker never fails, and every problem it names lies on a
// line of the file (or the file as a whole), the problems in line order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/interchange/ledes_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vrk::interchange;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const long long lines = std::count(bytes.begin(), bytes.end(), '\n') + 1;
  int line = 0;
  for (const auto& problem : checkLedes(bytes)) {
    if (problem.line < line || problem.line > lines || problem.text.empty()) std::abort();
    line = problem.line;
    if (describe(problem).empty()) std::abort();
  }
  return 0;
}
