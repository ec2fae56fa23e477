#include "core/clients/change_client.h"

#include "core/clients/client_book.h"
#include "core/clients/client_fields.h"
#include "core/clients/client_groups.h"
#include "core/document/money_text.h"
#include "core/rules/input_rules.h"
#include "core/store/tables.h"

namespace vrk::clients {
namespace {

constexpr const char* kNoData = "          INVALID CLIENT CODE\r\nNO DATA IS PRESENT FOR THIS CLIENT";
constexpr const char* kCodeInUse = "           INVALID CLIENT CODE\r\nTHIS CLIENT CODE IS ALREADY IN USE";

}  // namespace

ChangeClient::ChangeClient(std::filesystem::path folder) : folder_(std::move(folder)) {
  store::Transaction tx(folder_);
  codes_ = store::RecordTable(store::clientTable(), tx).texts(0);
  groups_ = loadGroupList(tx);
}

dialog::Outcome ChangeClient::display(const std::string& code) {
  return displayClient(folder_, code, kNoData, shown_);
}

dialog::Outcome ChangeClient::save(const ClientFields& fields) {
  dialog::Outcome outcome;
  const char* lastFailure = nullptr;
  if (!rules::isClientCode(fields.code))
    lastFailure = "            INVALID CLIENT CODE\r\nENTER FROM 1 TO 7 LETTERS AND NUMBERS";
  if (!rules::isClientGroup(fields.group))
    lastFailure = "    INVALID CLIENT GROUP\r\nENTER A LETTER OR A NUMBER";
  std::array<std::string, kAmountCount> amounts;
  for (std::size_t i = 0; i < kAmountCount; ++i) {
    const auto amount = rules::readChangedNumber(fields.amounts[i], kChangedAmountRule);
    if (!amount) {
      lastFailure = amountBox(i).invalidMessage;
      continue;
    }
    amounts[i] = amount->text;
    outcome.writeBack[amountBox(i).field] = document::moneyText(amount->value);
  }
  if (lastFailure) return outcome.error(lastFailure);
  if (!shown_) return outcome.information("A CLIENT MUST BE DISPLAYED\r\n  BEFORE IT CAN BE CHANGED");

  store::Transaction tx(folder_);
  store::RecordTable clients(store::clientTable(), tx);
  const auto position = clientPosition(clients, shown_->code);
  if (!position) return outcome.error(kNoData);
  ClientRecord record = decodeClientRecord(clients.readRecord(*position));
  record.group = fields.group;
  record.address = addressLines(fields.address);
  record.category = fields.category;
  record.lateCharges = fields.lateCharges;
  record.lastStatementDate = store::toStoredDate(fields.lastStatement);
  record.amounts = amounts;

  const bool newCode = fields.code != shown_->code;
  if (newCode && (clientPosition(clients, fields.code) || matterNumbersClash(tx, shown_->code, fields.code)))
    return outcome.error(kCodeInUse);
  clients.changeRecord(*position, encodeClientRecord(record));
  if (newCode) {
    clients.changeKey(*position, {fields.code});
    carryClientCode(tx, shown_->code, fields.code);
  }
  addToGroupList(tx, fields.group);
  tx.commit();
  shown_.reset();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::clients
