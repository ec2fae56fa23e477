#include "core/store/tables.h"

#include "core/store/catalogue.h"
#include "core/store/counts.h"
#include "core/store/dates.h"
#include "core/store/text_list.h"

namespace vrk::store {
namespace {

const std::string& text(const KeyValue& value) { return std::get<std::string>(value); }
double date(const KeyValue& value) { return std::get<double>(value); }

std::string_view significantDigits(std::string_view number) {
  std::size_t end = 0;
  while (end < number.size() && number[end] >= '0' && number[end] <= '9') ++end;
  number = number.substr(0, end);  // the value of the leading digits, as a number is read
  while (!number.empty() && number.front() == '0') number.remove_prefix(1);
  return number;
}

int billingRecordOrder(const Key& a, const Key& b) {
  if (const int c = compareBytes(text(a[0]), text(b[0]))) return c;
  if (const int c = compareMatterNumbers(text(a[1]), text(b[1]))) return c;
  return compareDays(date(a[2]), date(b[2]));
}

TableSpec billingRecordTable(const char* clients, const char* matters, const char* dates, const char* slots,
                             const char* freeSlots, const char* data, std::size_t recordSize, int countSlot) {
  TableSpec spec;
  spec.columns = {{clients, ColumnKind::Text, kClientCodeWidth},
                  {matters, ColumnKind::Text, kMatterNumberWidth},
                  {dates, ColumnKind::Date, 0}};
  spec.presenceFile = slots;
  spec.slotFile = slots;
  spec.freeFile = freeSlots;
  spec.dataFile = data;
  spec.recordSize = recordSize;
  spec.countSlot = countSlot;
  spec.freeCountSlot = countSlot + 1;
  spec.order = billingRecordOrder;
  return spec;
}

}  // namespace

int compareBytes(std::string_view a, std::string_view b) {
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int compareMatterNumbers(std::string_view a, std::string_view b) {
  a = significantDigits(a);
  b = significantDigits(b);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return compareBytes(a, b);
}

TableSpec clientTable() {
  TableSpec spec;
  spec.columns = {{files::kClientCodes, ColumnKind::SortedTextList, kClientCodeWidth}};
  spec.presenceFile = files::kClientCodes;
  spec.slotFile = files::kClientIndicesInUse;
  spec.freeFile = files::kClientIndicesNotInUse;
  spec.dataFile = files::kClientData;
  spec.recordSize = kClientRecordSize;
  spec.countSlot = slot::kClients;
  spec.freeCountSlot = slot::kFreeClientSlots;
  spec.countsSlotsWhenCreated = 11;
  spec.removedWithLastRecord = {files::kClientGroups};
  spec.order = [](const Key& a, const Key& b) { return compareTextIgnoringCase(text(a[0]), text(b[0])); };
  return spec;
}

TableSpec matterTable() {
  TableSpec spec;
  spec.columns = {{files::kMatterClientCodesArray, ColumnKind::Text, kClientCodeWidth},
                  {files::kMatterNumbersArray, ColumnKind::Text, kMatterNumberWidth}};
  spec.presenceFile = files::kMatterClientCodesArray;
  spec.slotFile = files::kMatterIndicesInUse;
  spec.freeFile = files::kMatterIndicesNotInUse;
  spec.dataFile = files::kMatterData;
  spec.recordSize = kMatterRecordSize;
  spec.countSlot = slot::kMatters;
  spec.freeCountSlot = slot::kFreeMatterSlots;
  spec.order = [](const Key& a, const Key& b) {
    if (const int c = compareBytes(text(a[0]), text(b[0]))) return c;
    return compareMatterNumbers(text(a[1]), text(b[1]));
  };
  return spec;
}

TableSpec timeRecordTable() {
  return billingRecordTable(files::kTimeRecordClientCodesArray, files::kTimeRecordMatterNumbersArray,
                            files::kTimeRecordDatesArray, files::kTimeRecordIndicesInUse,
                            files::kTimeRecordIndicesNotInUse, files::kTimeRecordData, kTimeRecordSize,
                            slot::kTimeRecords);
}

TableSpec costCreditRecordTable() {
  return billingRecordTable(files::kCostCreditRecordClientCodesArray,
                            files::kCostCreditRecordMatterNumbersArray, files::kCostCreditRecordDatesArray,
                            files::kCostCreditRecordIndicesInUse, files::kCostCreditRecordIndicesNotInUse,
                            files::kCostCreditRecordData, kCostCreditRecordSize, slot::kCostCreditRecords);
}

TableSpec paymentRecordTable() {
  TableSpec spec;
  spec.columns = {{files::kPaymentRecordClientCodesArray, ColumnKind::Text, kClientCodeWidth},
                  {files::kPaymentRecordDatesArray, ColumnKind::Date, 0},
                  {files::kPaymentRecordAmountsArray, ColumnKind::Text, kPaymentAmountWidth}};
  spec.presenceFile = files::kPaymentRecordClientCodesArray;
  spec.countSlot = slot::kPaymentRecords;
  spec.order = [](const Key& a, const Key& b) {
    if (const int c = compareBytes(text(a[0]), text(b[0]))) return c;
    return compareDays(date(a[1]), date(b[1]));
  };
  return spec;
}

}  // namespace vrk::store
