#include "core/clients/client_group_listing.h"

#include "core/clients/client_groups.h"
#include "core/clients/client_record.h"
#include "core/store/tables.h"

namespace vrk::clients {

GroupDialogLists loadGroupDialogLists(const std::filesystem::path& folder) {
  store::Transaction tx(folder);
  GroupDialogLists lists;
  lists.groups = loadGroupList(tx);
  lists.clientCount = static_cast<int>(store::RecordTable(store::clientTable(), tx).size());
  return lists;
}

GroupListing listGroup(const std::filesystem::path& folder, const std::string& group) {
  store::Transaction tx(folder);
  const store::RecordTable clients(store::clientTable(), tx);
  GroupListing listing{group, {}};
  for (std::size_t p = 0; p < clients.size(); ++p)
    if (decodeClientRecord(clients.readRecord(p)).group == group)
      listing.codes.push_back(clients.texts(0)[p]);
  return listing;
}

}  // namespace vrk::clients
