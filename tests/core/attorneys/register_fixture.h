// Test support: a billing-period folder holding a given attorney register, and its files' bytes.
#pragma once

#include <string>
#include <vector>

#include "core/attorneys/attorney_register.h"
#include "core/store/binary_codec.h"
#include "core/store/transaction.h"
#include "support/temp_folder.h"

namespace vrk::attorneys::test {

using vrk::test::readFile;

// Attorneys with their rate texts under schedules 1..rates.size(); N is the longest list.
struct Attorney {
  std::string initials;
  std::vector<std::string> rates;
};

inline AttorneyRegister makeRegister(const std::vector<Attorney>& attorneys, int scheduleCount) {
  AttorneyRegister reg;
  reg.scheduleCount = scheduleCount;
  for (const auto& attorney : attorneys) {
    reg.initials.push_back(attorney.initials);
    RateRecord record;
    for (std::size_t k = 0; k < attorney.rates.size(); ++k) record[k] = attorney.rates[k];
    reg.rates.push_back(record);
  }
  return reg;
}

inline void writeRegister(const std::filesystem::path& folder, const AttorneyRegister& reg) {
  store::Transaction tx(folder);
  stageAttorneyRegister(tx, reg);
  tx.commit();
}

// One stored rate field: the length byte, the text, zeros up to nine bytes.
inline std::string field(const std::string& text) { return store::encodeText(kRateFieldWidth, text); }

inline std::string rateFile(const std::filesystem::path& folder) {
  return readFile(folder / "FeeSchedules.Dat");
}

// The stored text of one rate field (schedule 1..10) of record `record`.
inline std::string storedRate(const std::filesystem::path& folder, std::size_t record, int schedule) {
  const std::string bytes = rateFile(folder);
  return store::getText(bytes, record * kRateRecordSize + static_cast<std::size_t>(schedule - 1) * 9,
                        kRateFieldWidth);
}

inline std::int32_t scheduleCount(const std::filesystem::path& folder) {
  return store::getInt32(readFile(folder / "Dimensions.Dat"), 8);
}

}  // namespace vrk::attorneys::test
