#include "core/records/record_fields.h"

#include "core/store/binary_codec.h"
#include "core/store/tables.h"

namespace vrk::records {
namespace {

constexpr std::size_t kTimeRateOffset = 10;
constexpr std::size_t kTimeDescriptionOffset = 19;
constexpr std::size_t kCostAmountOffset = 4;
constexpr std::size_t kCostDescriptionOffset = 16;

template <std::size_t N>
void putLines(std::string& record, std::size_t offset, const std::array<std::string, N>& lines) {
  for (std::size_t i = 0; i < N; ++i)
    store::putText(record, offset + i * (kDescriptionWidth + 1), kDescriptionWidth, lines[i]);
}

template <std::size_t N>
void getLines(std::string_view record, std::size_t offset, std::array<std::string, N>& lines) {
  for (std::size_t i = 0; i < N; ++i)
    lines[i] = store::getText(record, offset + i * (kDescriptionWidth + 1), kDescriptionWidth);
}

}  // namespace

std::string encodeTimeRecord(const TimeRecord& record) {
  std::string bytes(store::kTimeRecordSize, '\0');
  store::putText(bytes, 0, kInitialsWidth, record.initials);
  store::putText(bytes, kInitialsWidth + 1, kTimeWidth, record.time);
  store::putText(bytes, kTimeRateOffset, kRateWidth, record.rate);
  putLines(bytes, kTimeDescriptionOffset, record.description);
  return bytes;
}

TimeRecord decodeTimeRecord(std::string_view bytes) {
  TimeRecord record;
  record.initials = store::getText(bytes, 0, kInitialsWidth);
  record.time = store::getText(bytes, kInitialsWidth + 1, kTimeWidth);
  record.rate = store::getText(bytes, kTimeRateOffset, kRateWidth);
  getLines(bytes, kTimeDescriptionOffset, record.description);
  return record;
}

std::string encodeCostCreditRecord(const CostCreditRecord& record) {
  std::string bytes(store::kCostCreditRecordSize, '\0');
  store::putInt32(bytes, 0, record.kind);
  store::putText(bytes, kCostAmountOffset, kAmountWidth, record.amount);
  putLines(bytes, kCostDescriptionOffset, record.description);
  return bytes;
}

CostCreditRecord decodeCostCreditRecord(std::string_view bytes) {
  CostCreditRecord record;
  record.kind = store::getInt32(bytes, 0);
  record.amount = store::getText(bytes, kCostAmountOffset, kAmountWidth);
  getLines(bytes, kCostDescriptionOffset, record.description);
  return record;
}

}  // namespace vrk::records
