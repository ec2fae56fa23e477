// A text list file (client codes, attorney initials, groups) of any bytes: parsed, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/store/text_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const auto& entry : vrk::store::parseTextList(bytes)) (void)entry.size();
  return 0;
}
