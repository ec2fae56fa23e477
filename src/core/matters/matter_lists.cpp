#include "core/matters/matter_lists.h"

#include <algorithm>

#include "core/attorneys/attorney_register.h"
#include "core/rules/input_rules.h"
#include "core/store/catalogue.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"

namespace vrk::matters {
namespace {

bool listHas(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

}  // namespace

bool MatterLists::hasClient(const std::string& code) const { return listHas(clientCodes, code); }
bool MatterLists::hasAttorney(const std::string& initials) const { return listHas(attorneys, initials); }

std::vector<std::string> MatterLists::numbersOf(const std::string& client) const {
  std::vector<std::string> numbers;
  for (const auto& key : matters)
    if (key.client == client) numbers.push_back(key.number);
  return numbers;
}

MatterLists loadMatterLists(const std::filesystem::path& folder) {
  store::Transaction tx(folder);
  return loadMatterLists(tx);
}

MatterLists loadMatterLists(store::Transaction& tx) {
  MatterLists lists;
  if (tx.exists(store::files::kClientCodes)) {
    lists.clientCodes = store::parseTextList(tx.read(store::files::kClientCodes));
    store::sortTextList(lists.clientCodes);
  }
  if (attorneys::registerStarted(tx)) {
    const auto reg = attorneys::loadAttorneyRegister(tx);
    lists.attorneys = reg.initials;
    lists.scheduleCount = reg.scheduleCount;
  }
  const store::RecordTable table(store::matterTable(), tx);
  for (std::size_t p = 0; p < table.size(); ++p) lists.matters.push_back(matterKeyAt(table, p));
  return lists;
}

store::Key matterKey(const MatterKey& key) { return {key.client, key.number}; }

MatterKey matterKeyAt(const store::RecordTable& matters, std::size_t position) {
  return {matters.texts(0)[position], matters.texts(1)[position]};
}

std::optional<std::size_t> findMatter(const store::RecordTable& matters, const MatterKey& key) {
  if (key.number.empty() || !std::all_of(key.number.begin(), key.number.end(), rules::isDigit))
    return std::nullopt;
  return matters.find(matterKey(key));
}

}  // namespace vrk::matters
