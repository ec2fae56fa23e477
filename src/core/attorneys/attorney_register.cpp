#include "core/attorneys/attorney_register.h"

#include <algorithm>

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
  for (std::size_t k = 0; k < record.size(); ++k)
    store::putText(bytes, k * (kRateFieldWidth + 1), kRateFieldWidth, record[k]);
  return bytes;
}

RateRecord decodeRateRecord(std::string_view bytes) {
  RateRecord record;
  for (std::size_t k = 0; k < record.size(); ++k)
    record[k] = store::getText(bytes, k * (kRateFieldWidth + 1), kRateFieldWidth);
  return record;
}

bool registerStarted(const store::Transaction& tx) {
  return tx.exists(store::files::kAttorneyInitials) || tx.exists(store::files::kFeeSchedules);
}

AttorneyRegister loadAttorneyRegister(const store::Transaction& tx) {
  AttorneyRegister reg;
  // Each attorney's rates are the fee schedule record at the attorney's line.
  // Initials take at most five bytes a line; a far larger list is a damaged file.
  reg.initials = store::parseTextList(tx.read(store::files::kAttorneyInitials, 1U << 20));
  if (!store::isKeptInOrder(reg.initials))
    throw store::StoreError(tx.pathOf(store::files::kAttorneyInitials), store::kListOutOfOrder);
  reg.scheduleCount = store::readCounts(tx, store::slot::kFeeSchedules, 1)[0];
  if (reg.scheduleCount > kMaxFeeSchedules)
    throw store::StoreError(tx.pathOf(store::files::kDimensions), "holds more than ten fee schedules");
  const std::uint64_t needed = reg.initials.size() * kRateRecordSize;
  const std::string bytes = tx.readRange(store::files::kFeeSchedules, 0, needed);
  if (tx.size(store::files::kFeeSchedules) > needed)
    throw store::StoreError(tx.pathOf(store::files::kFeeSchedules),
                            "The file holds more records than the attorney list has lines");
  for (std::size_t i = 0; i < reg.initials.size(); ++i)
    reg.rates.push_back(
        decodeRateRecord(std::string_view(bytes).substr(i * kRateRecordSize, kRateRecordSize)));
  return reg;
}

void stageAttorneyRegister(store::Transaction& tx, const AttorneyRegister& reg) {
  stageAttorneyList(tx, reg);
  stageScheduleCount(tx, reg);
  stageRateRecords(tx, reg);
}

void stageAttorneyList(store::Transaction& tx, const AttorneyRegister& reg) {
  tx.writeWhole(store::files::kAttorneyInitials, store::formatTextList(reg.initials));
}

void stageScheduleCount(store::Transaction& tx, const AttorneyRegister& reg) {
  store::writeCounts(tx, store::slot::kFeeSchedules, {reg.scheduleCount});
}

void stageRateRecords(store::Transaction& tx, const AttorneyRegister& reg) {
  std::string bytes;
  bytes.reserve(reg.rates.size() * kRateRecordSize);
  for (const auto& record : reg.rates) bytes += encodeRateRecord(record);
  tx.writeWhole(store::files::kFeeSchedules, std::move(bytes));
}

std::size_t addAttorney(AttorneyRegister& reg, const std::string& initials, const RateRecord& rateTexts) {
  if (reg.scheduleCount == 0) reg.scheduleCount = 1;
  const auto n = static_cast<std::size_t>(reg.scheduleCount);
  const std::size_t p = store::insertIntoSortedList(reg.initials, initials);
  reg.rates.emplace_back();
  for (std::size_t i = reg.rates.size() - 1; i > p; --i)
    std::copy_n(reg.rates[i - 1].begin(), n, reg.rates[i].begin());
  std::copy_n(rateTexts.begin(), n, reg.rates[p].begin());
  return p;
}

std::size_t renameAttorney(AttorneyRegister& reg, std::size_t position, const std::string& initials) {
  const RateRecord record = reg.rates[position];
  reg.initials.erase(reg.initials.begin() + static_cast<long>(position));
  reg.rates.erase(reg.rates.begin() + static_cast<long>(position));
  const std::size_t q = store::insertIntoSortedList(reg.initials, initials);
  reg.rates.insert(reg.rates.begin() + static_cast<long>(q), record);
  return q;
}

void removeAttorney(AttorneyRegister& reg, std::size_t position) {
  reg.initials.erase(reg.initials.begin() + static_cast<long>(position));
  reg.rates.erase(reg.rates.begin() + static_cast<long>(position));
}

void removeFeeSchedule(AttorneyRegister& reg, int schedule) {
  for (auto& record : reg.rates)
    for (int j = schedule; j < reg.scheduleCount; ++j)
      record[static_cast<std::size_t>(j - 1)] = record[static_cast<std::size_t>(j)];
  --reg.scheduleCount;
}

std::optional<double> rateFor(const AttorneyRegister& reg, std::string_view attorney, int schedule) {
  const auto position = reg.find(attorney);
  if (!position || schedule < 1 || schedule > reg.scheduleCount) return std::nullopt;
  return rules::storedDecimalValue(reg.rates[*position][static_cast<std::size_t>(schedule - 1)]);
}

}  // namespace vrk::attorneys
