// Every fixed record layout decoded from any bytes of its size: the first input byte picks the
// layout, the rest fill the record (cut or padded with zeros to the record's size).
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/attorneys/attorney_register.h"
#include "core/clients/client_record.h"
#include "core/matters/matter_record.h"
#include "core/records/record_fields.h"
#include "core/store/tables.h"

namespace {

std::string sized(const std::uint8_t* data, std::size_t size, std::size_t recordSize) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  bytes.resize(recordSize, '\0');
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t layout = data[0] % 5;
  ++data;
  --size;
  using namespace vrk;
  switch (layout) {
    case 0: (void)clients::decodeClientRecord(sized(data, size, store::kClientRecordSize)); break;
    case 1: (void)matters::decodeMatterRecord(sized(data, size, store::kMatterRecordSize)); break;
    case 2: (void)records::decodeTimeRecord(sized(data, size, store::kTimeRecordSize)); break;
    case 3: (void)records::decodeCostCreditRecord(sized(data, size, store::kCostCreditRecordSize)); break;
    default: (void)attorneys::decodeRateRecord(sized(data, size, attorneys::kRateRecordSize)); break;
  }
  return 0;
}
