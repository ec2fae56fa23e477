#include "core/matters/matter_record.h"

#include <gtest/gtest.h>

#include "core/store/binary_codec.h"
#include "core/store/tables.h"

namespace vrk::matters {
namespace {

std::string lengthPrefixed(std::size_t width, const std::string& text) {
  std::string field(width + 1, '\0');
  field[0] = static_cast<char>(text.size());
  field.replace(1, text.size(), text);
  return field;
}

}  // namespace

TEST(MatterRecord, EveryFieldSitsAtItsOffset) {
  MatterRecord record;
  record.description = {"Lease dispute", "", "Harbor Road premises", std::string(45, 'x')};
  record.dateCreated = 36936.0;
  record.principalAttorney = "MKLX";  // cut at three
  record.feeSchedule = 0x01020304;
  record.hoursToDate = "000120.5";
  record.feesToDate = "00001750.00";
  record.costsToDate = "12.5";
  record.creditsToDate = "0";
  const std::string bytes = encodeMatterRecord(record);

  std::string expected = lengthPrefixed(40, "Lease dispute") + lengthPrefixed(40, "") +
                         lengthPrefixed(40, "Harbor Road premises") +
                         lengthPrefixed(40, std::string(40, 'x'));
  expected += std::string(8, '\0');
  store::putDouble(expected, 164, 36936.0);
  expected += lengthPrefixed(3, "MKL") + std::string("\x04\x03\x02\x01", 4);
  expected += lengthPrefixed(8, "000120.5") + lengthPrefixed(11, "00001750.00") + lengthPrefixed(11, "12.5") +
              lengthPrefixed(11, "0") + std::string(3, '\0');
  ASSERT_EQ(bytes.size(), store::kMatterRecordSize);
  EXPECT_EQ(bytes, expected);

  record.description[3].resize(40);
  record.principalAttorney = "MKL";
  EXPECT_EQ(decodeMatterRecord(bytes), record);
}

}  // namespace vrk::matters
