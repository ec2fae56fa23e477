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

TableLayout billingRecordTable(const char* clients, const char* matters, const char* dates, const char* slots,
                               const char* freeSlots, const char* data, std::size_t recordSize,
                               int countSlot) {
  TableLayout layout;
  layout.columns = {{clients, ColumnKind::Text, kClientCodeWidth},
                    {matters, ColumnKind::Text, kMatterNumberWidth},
                    {dates, ColumnKind::Date, 0}};
  layout.presenceFile = slots;
  layout.slotFile = slots;
  layout.freeFile = freeSlots;
  layout.dataFile = data;
  layout.recordSize = recordSize;
  layout.countSlot = countSlot;
  layout.freeCountSlot = countSlot + 1;
  layout.order = billingRecordOrder;
  return layout;
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

TableLayout clientTable() {
  TableLayout layout;
  layout.columns = {{files::kClientCodes, ColumnKind::SortedTextList, kClientCodeWidth}};
  layout.presenceFile = files::kClientCodes;
  layout.slotFile = files::kClientIndicesInUse;
  layout.freeFile = files::kClientIndicesNotInUse;
  layout.dataFile = files::kClientData;
  layout.recordSize = kClientRecordSize;
  layout.countSlot = slot::kClients;
  layout.freeCountSlot = slot::kFreeClientSlots;
  layout.countsSlotsWhenCreated = 11;
  layout.removedWithLastRecord = {files::kClientGroups};
  layout.order = [](const Key& a, const Key& b) { return compareTextIgnoringCase(text(a[0]), text(b[0])); };
  return layout;
}

TableLayout matterTable() {
  TableLayout layout;
  layout.columns = {{files::kMatterClientCodesArray, ColumnKind::Text, kClientCodeWidth},
                    {files::kMatterNumbersArray, ColumnKind::Text, kMatterNumberWidth}};
  layout.presenceFile = files::kMatterClientCodesArray;
  layout.slotFile = files::kMatterIndicesInUse;
  layout.freeFile = files::kMatterIndicesNotInUse;
  layout.dataFile = files::kMatterData;
  layout.recordSize = kMatterRecordSize;
  layout.countSlot = slot::kMatters;
  layout.freeCountSlot = slot::kFreeMatterSlots;
  layout.order = [](const Key& a, const Key& b) {
    if (const int c = compareBytes(text(a[0]), text(b[0]))) return c;
    return compareMatterNumbers(text(a[1]), text(b[1]));
  };
  return layout;
}

TableLayout timeRecordTable() {
  return billingRecordTable(files::kTimeRecordClientCodesArray, files::kTimeRecordMatterNumbersArray,
                            files::kTimeRecordDatesArray, files::kTimeRecordIndicesInUse,
                            files::kTimeRecordIndicesNotInUse, files::kTimeRecordData, kTimeRecordSize,
                            slot::kTimeRecords);
}

TableLayout costCreditRecordTable() {
  return billingRecordTable(files::kCostCreditRecordClientCodesArray,
                            files::kCostCreditRecordMatterNumbersArray, files::kCostCreditRecordDatesArray,
                            files::kCostCreditRecordIndicesInUse, files::kCostCreditRecordIndicesNotInUse,
                            files::kCostCreditRecordData, kCostCreditRecordSize, slot::kCostCreditRecords);
}

TableLayout paymentRecordTable() {
  TableLayout layout;
  layout.columns = {{files::kPaymentRecordClientCodesArray, ColumnKind::Text, kClientCodeWidth},
                    {files::kPaymentRecordDatesArray, ColumnKind::Date, 0},
                    {files::kPaymentRecordAmountsArray, ColumnKind::Text, kPaymentAmountWidth}};
  layout.presenceFile = files::kPaymentRecordClientCodesArray;
  layout.countSlot = slot::kPaymentRecords;
  layout.order = [](const Key& a, const Key& b) {
    if (const int c = compareBytes(text(a[0]), text(b[0]))) return c;
    return compareDays(date(a[1]), date(b[1]));
  };
  return layout;
}

}  // namespace vrk::store
