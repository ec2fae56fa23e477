#include "core/clients/add_client.h"

#include "core/clients/client_book.h"
#include "core/clients/client_groups.h"
#include "core/rules/input_rules.h"
#include "core/rules/masked_box.h"
#include "core/store/catalogue.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"

namespace vrk::clients {

AddClient::AddClient(std::filesystem::path folder) : folder_(std::move(folder)) {
  namespace files = store::files;
  store::Transaction tx(folder_);
  for (const char* name :
       {files::kClientCodes, files::kClientGroups, files::kClientIndicesInUse, files::kClientData})
    if (!tx.exists(name)) return;
  codes_ = store::RecordTable(store::clientTable(), tx).texts(0);
  groups_ = loadGroupList(tx);
}

dialog::Outcome AddClient::save(const ClientFields& fields) {
  dialog::Outcome outcome;
  store::Transaction tx(folder_);
  store::RecordTable clients(store::clientTable(), tx);
  if (clientPosition(clients, fields.code)) return outcome.error("THIS CLIENT CODE IS ALREADY IN USE");
  if (!rules::isClientCode(fields.code))
    outcome.error("              INVALID CLIENT CODE\r\nENTER FROM 1 TO 7 LETTERS AND NUMBERS");
  if (!rules::isClientGroup(fields.group))
    outcome.error("       INVALID CLIENT GROUP\r\nENTER A LETTER OR A NUMBER");
  if (!outcome.messages.empty()) return outcome;

  ClientRecord record;
  record.group = fields.group;
  record.address = addressLines(fields.address);
  record.category = fields.category;
  record.lateCharges = fields.lateCharges;
  record.lastStatementDate = store::toStoredDate(fields.lastStatement);
  for (std::size_t i = 0; i < kAmountCount; ++i) record.amounts[i] = rules::readAmountBox(fields.amounts[i]);

  if (clients.size() == 0) {
    tx.writeWhole(store::files::kClientGroups, store::formatTextList({fields.group}));
  } else {
    addToGroupList(tx, fields.group);
  }
  clients.add({fields.code}, encodeClientRecord(record));
  tx.commit();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::clients
