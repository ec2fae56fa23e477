// A commit journal of any bytes: decoded as a journal or refused, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/store/journal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)vrk::store::journal::decode(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
