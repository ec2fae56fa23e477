#include "core/clients/client_record.h"

#include "core/store/binary_codec.h"
#include "core/store/tables.h"

namespace vrk::clients {
namespace {

constexpr std::size_t kGroupOffset = 0;
constexpr std::size_t kAddressOffset = 1;
constexpr std::size_t kCategoryOffset = 248;
constexpr std::size_t kLateChargesOffset = 252;
constexpr std::size_t kDateOffset = 256;
constexpr std::size_t kRetainerOffset = 264;

constexpr const char* kCaptions[kCategoryCount] = {
    "Hourly Rate Client - Itemized Billing", "Hourly Rate Client - Summary Billing",
    "Contingent Fee Client - Client Billed for Costs", "Contingent Fee Client - Client Not Billed for Costs",
    "Office Overhead"};
constexpr const char* kPrintWording[kCategoryCount] = {
    "Hourly Rate Client - Itemized Billing", "Hourly Rate Client - Summary Billing",
    "Contingent Fee Client - Client Billed For Costs", "Contingent Fee Client - Client Not Billed For Costs",
    "Office Overhead"};

}  // namespace

std::size_t amountOffset(Amount amount) {
  return amount == kMonthlyRetainer ? kRetainerOffset
                                    : kReservedOffset + 12 * static_cast<std::size_t>(amount);
}

std::string encodeClientRecord(const ClientRecord& record) {
  std::string bytes(store::kClientRecordSize, '\0');
  bytes[kGroupOffset] = record.group.empty() ? '\0' : record.group.front();
  for (std::size_t i = 0; i < kAddressLines; ++i)
    store::putText(bytes, kAddressOffset + 41 * i, kAddressWidth, record.address[i]);
  store::putInt32(bytes, kCategoryOffset, record.category);
  store::putBool(bytes, kLateChargesOffset, record.lateCharges);
  store::putDouble(bytes, kDateOffset, record.lastStatementDate);
  store::putText(bytes, kReservedOffset, kAmountWidth, record.reserved);
  for (std::size_t i = 0; i < kAmountCount; ++i)
    store::putText(bytes, amountOffset(static_cast<Amount>(i)), kAmountWidth, record.amounts[i]);
  return bytes;
}

ClientRecord decodeClientRecord(std::string_view bytes) {
  ClientRecord record;
  if (bytes[kGroupOffset] != '\0') record.group.assign(1, bytes[kGroupOffset]);
  for (std::size_t i = 0; i < kAddressLines; ++i)
    record.address[i] = store::getText(bytes, kAddressOffset + 41 * i, kAddressWidth);
  record.category = store::getInt32(bytes, kCategoryOffset);
  record.lateCharges = store::getBool(bytes, kLateChargesOffset);
  record.lastStatementDate = store::getDouble(bytes, kDateOffset);
  record.reserved = store::getText(bytes, kReservedOffset, kAmountWidth);
  for (std::size_t i = 0; i < kAmountCount; ++i)
    record.amounts[i] = store::getText(bytes, amountOffset(static_cast<Amount>(i)), kAmountWidth);
  return record;
}

const char* categoryCaption(int category) {
  return category >= 0 && category < kCategoryCount ? kCaptions[category] : "";
}

const char* categoryPrintWording(int category) {
  return category >= 0 && category < kCategoryCount ? kPrintWording[category] : "";
}

}  // namespace vrk::clients
