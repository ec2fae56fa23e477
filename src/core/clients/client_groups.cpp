#include "core/clients/client_groups.h"

#include "core/store/catalogue.h"
#include "core/store/text_list.h"

namespace vrk::clients {

std::vector<std::string> loadGroupList(const store::Transaction& tx) {
  if (!tx.exists(store::files::kClientGroups)) return {};
  auto groups = store::parseTextList(tx.read(store::files::kClientGroups));
  store::sortTextList(groups);
  return groups;
}

void addToGroupList(store::Transaction& tx, const std::string& group) {
  auto groups = loadGroupList(tx);
  if (store::findInSortedList(groups, group) >= 0) return;
  store::insertIntoSortedList(groups, group);
  tx.writeWhole(store::files::kClientGroups, store::formatTextList(groups));
}

}  // namespace vrk::clients
