#include "core/clients/client_fields.h"

#include "core/document/money_text.h"
#include "core/rules/decimal_value.h"

namespace vrk::clients {
namespace {

constexpr AmountBox kBoxes[kAmountCount] = {
    {"monthly-retainer-amount", "Monthly Retainer Amount", "INVALID MONTHLY RETAINER AMOUNT"},
    {"fees-on-last-statement", "Fees On Last Statement", "INVALID ENTRY - FEES ON LAST STATEMENT"},
    {"costs-on-last-statement", "Costs On Last Statement", "INVALID ENTRY - COSTS ON LAST STATEMENT"},
    {"credits-on-last-statement", "Credits On Last Statement", "INVALID ENTRY - CREDITS ON LAST STATEMENT"},
    {"trust-account-balance", "Trust Account Balance", "INVALID ENTRY - TRUST ACCOUNT BALANCE"},
    {"balance-due-on-last-statement", "Balance Due On Last Statement",
     "INVALID ENTRY - BALANCE DUE ON LAST STATEMENT"},
    {"balance-due-for-30-days", "Balance Due For 30 Days", "INVALID ENTRY - BALANCE DUE FOR 30 DAYS"},
    {"balance-due-for-60-days", "Balance Due For 60 Days", "INVALID ENTRY - BALANCE DUE FOR 60 DAYS"},
    {"balance-due-for-90-days", "Balance Due For 90 Days", "INVALID ENTRY - BALANCE DUE FOR 90 DAYS"},
    {"payments-since-last-statement", "Payments Since Last Statement",
     "INVALID ENTRY - PAYMENTS SINCE LAST STATEMENT"},
};

}  // namespace

const AmountBox& amountBox(std::size_t amount) { return kBoxes[amount]; }

ClientFields shownFields(const std::string& code, const ClientRecord& record) {
  ClientFields fields;
  fields.code = code;
  fields.group = record.group;
  fields.address.assign(record.address.begin(), record.address.end());
  fields.category = record.category;
  fields.lateCharges = record.lateCharges;
  fields.lastStatement = store::fromStoredDate(record.lastStatementDate);
  for (std::size_t i = 0; i < kAmountCount; ++i)
    fields.amounts[i] = document::moneyText(rules::storedDecimalValue(record.amounts[i]));
  return fields;
}

std::array<std::string, kAddressLines> addressLines(const std::vector<std::string>& lines) {
  std::array<std::string, kAddressLines> address;
  for (std::size_t i = 0; i < kAddressLines && i < lines.size(); ++i)
    address[i] = lines[i].substr(0, kAddressWidth);
  return address;
}

}  // namespace vrk::clients
