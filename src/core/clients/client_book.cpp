#include "core/clients/client_book.h"

#include "core/store/tables.h"

namespace vrk::clients {
namespace {

const std::string& keyText(const store::Key& key, std::size_t column) {
  return std::get<std::string>(key[column]);
}

// The first position of a client's run in a table keyed by client code first, and its length.
std::pair<std::size_t, std::size_t> clientRun(const store::RecordTable& table, const std::string& code) {
  const auto& codes = table.texts(0);
  std::size_t first = 0;
  while (first < codes.size() && codes[first] != code) ++first;
  std::size_t last = first;
  while (last < codes.size() && codes[last] == code) ++last;
  return {first, last - first};
}

void rekeyClient(store::RecordTable table, const std::string& oldCode, const std::string& newCode) {
  table.rekey([&](const store::Key& key) { return keyText(key, 0) == oldCode; },
              [&](const store::Key& key) {
                store::Key moved = key;
                moved[0] = newCode;
                return moved;
              });
}

}  // namespace

std::optional<std::size_t> clientPosition(const store::RecordTable& clients, const std::string& code) {
  return clients.find({code});
}

std::optional<ClientRecord> findClient(const store::RecordTable& clients, const std::string& code) {
  const auto position = clientPosition(clients, code);
  if (!position) return std::nullopt;
  return decodeClientRecord(clients.readRecord(*position));
}

void deleteClient(store::Transaction& tx, store::RecordTable& clients, std::size_t position,
                  dialog::Outcome& outcome, dialog::Prompter& prompter) {
  const std::string code = clients.texts(0)[position];
  if (dialog::ask(outcome, prompter, "Delete All Matters For Client " + code + "?          ")) {
    store::RecordTable matters(store::matterTable(), tx);
    const auto [first, count] = clientRun(matters, code);
    matters.removeRun(first, count);
  }
  clients.remove(position);
}

bool matterNumbersClash(store::Transaction& tx, const std::string& oldCode, const std::string& newCode) {
  const store::RecordTable matters(store::matterTable(), tx);
  const auto [first, count] = clientRun(matters, oldCode);
  for (std::size_t p = first; p < first + count; ++p)
    if (matters.find({newCode, matters.texts(1)[p]})) return true;
  return false;
}

void carryClientCode(store::Transaction& tx, const std::string& oldCode, const std::string& newCode) {
  for (auto layout : {store::matterTable(), store::timeRecordTable(), store::costCreditRecordTable(),
                      store::paymentRecordTable()})
    rekeyClient(store::RecordTable(std::move(layout), tx), oldCode, newCode);
}

}  // namespace vrk::clients
