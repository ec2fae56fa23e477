#include "core/clients/client_display.h"

#include "core/clients/client_book.h"
#include "core/store/tables.h"

namespace vrk::clients {

std::vector<std::string> loadClientCodes(const std::filesystem::path& folder) {
  store::Transaction tx(folder);
  return store::RecordTable(store::clientTable(), tx).texts(0);
}

dialog::Outcome displayClient(const std::filesystem::path& folder, const std::string& code,
                              const char* invalidMessage, std::optional<DisplayedClient>& shown) {
  dialog::Outcome outcome;
  store::Transaction tx(folder);
  const store::RecordTable clients(store::clientTable(), tx);
  const auto position = clientPosition(clients, code);
  if (!position) return outcome.error(invalidMessage);
  const std::string& stored = clients.texts(0)[*position];
  const ClientRecord record = decodeClientRecord(clients.readRecord(*position));
  shown = DisplayedClient{stored, record, shownFields(stored, record)};
  return outcome;
}

}  // namespace vrk::clients
