#include "core/clients/delete_client_group.h"

#include <algorithm>

#include "core/clients/client_book.h"
#include "core/clients/client_groups.h"
#include "core/store/catalogue.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"

namespace vrk::clients {

DeleteClientGroup::DeleteClientGroup(std::filesystem::path folder)
    : folder_(std::move(folder)), lists_(loadGroupDialogLists(folder_)) {}

dialog::Outcome DeleteClientGroup::display(const std::string& group) {
  listing_ = listGroup(folder_, group);
  return {};
}

dialog::Outcome DeleteClientGroup::remove(dialog::Prompter& prompter) {
  dialog::Outcome outcome;
  if (!listing_) return outcome.information("A Client Group Must Be Displayed\r\n  Before It Can Be Deleted");
  store::Transaction tx(folder_);
  auto groups = loadGroupList(tx);
  const auto entry = std::find(groups.begin(), groups.end(), listing_->group);
  if (entry == groups.end()) return outcome.error("No Clients Are Present\r\n  For This Client Group");

  store::RecordTable clients(store::clientTable(), tx);
  for (const auto& code : listing_->codes)
    if (const auto position = clientPosition(clients, code))
      deleteClient(tx, clients, *position, outcome, prompter);
  // The last client took every client file with it. Otherwise only this group's entry goes:
  // clients of other groups stay, whatever the list holds.
  if (tx.exists(store::files::kClientCodes)) {
    groups.erase(entry);
    tx.writeWhole(store::files::kClientGroups, store::formatTextList(groups));
  }
  tx.commit();
  listing_.reset();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::clients
