#include "core/attorneys/attorney_register.h"

#include "core/rules/decimal_value.h"
#include "core/store/binary_codec.h"
#include "core/store/catalogue.h"
#include "core/store/counts.h"
#include "core/store/store_error.h"
#include "core/store/text_list.h"

namespace vrk::attorneys {

std::optional<std::size_t> AttorneyRegister::find(std::string_view attorney) const {
  const long index = store::findInSortedList(initials, attorney);
  if (index < 0) return std::nullopt;
  return static_cast<std::size_t>(index);
}

std::string encodeRateRecord(const RateRecord& record) {
  std::string bytes(kRateRecordSize, '\0');
  for (std::size_t k = 0; k < record.size(); ++k) store::putText(bytes, k * (kRateFieldWidth + 1), kRateFieldWidth, record[k]);
  return bytes;
}

RateRecord decodeRateRecord(std::string_view bytes) {
  RateRecord record;
  for (std::size_t k = 0; k < record.size(); ++k) record[k] = store::getText(bytes, k * (kRateFieldWidth + 1), kRateFieldWidth);
  return record;
}

bool registerPresent(const store::Transaction& tx) {
  return tx.exists(store::files::kDimensions) && tx.exists(store::files::kAttorneyInitials) &&
         tx.exists(store::files::kFeeSchedules);
}

AttorneyRegister loadAttorneyRegister(const store::Transaction& tx) {
  AttorneyRegister reg;
  reg.initials = store::parseTextList(tx.read(store::files::kAttorneyInitials));
  store::sortTextList(reg.initials);
  reg.scheduleCount = store::readCounts(tx, store::slot::kFeeSchedules, 1)[0];
  const std::string bytes = tx.readRange(store::files::kFeeSchedules, 0, reg.initials.size() * kRateRecordSize);
  for (std::size_t i = 0; i < reg.initials.size(); ++i)
    reg.rates.push_back(decodeRateRecord(std::string_view(bytes).substr(i * kRateRecordSize, kRateRecordSize)));
  return reg;
}

void stageAttorneyRegister(store::Transaction& tx, const AttorneyRegister& reg) {
  tx.writeWhole(store::files::kAttorneyInitials, store::formatTextList(reg.initials));
  store::writeCounts(tx, store::slot::kFeeSchedules, {reg.scheduleCount});
  std::string bytes;
  bytes.reserve(reg.rates.size() * kRateRecordSize);
  for (const auto& record : reg.rates) bytes += encodeRateRecord(record);
  tx.writeWhole(store::files::kFeeSchedules, std::move(bytes));
}

double rateValue(std::string_view text) { return rules::decimalValue(std::string(text)).value_or(0.0); }

std::optional<double> rateFor(const AttorneyRegister& reg, std::string_view attorney, int schedule) {
  const auto position = reg.find(attorney);
  if (!position || schedule < 1 || schedule > reg.scheduleCount) return std::nullopt;
  return rateValue(reg.rates[*position][static_cast<std::size_t>(schedule - 1)]);
}

}  // namespace vrk::attorneys
