// The logic of `TDisplayClientCodesForm`: Display a group's client codes, Print them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/clients/client_group_listing.h"
#include "core/clients/display_client.h"
#include "core/dialog/outcome.h"

namespace vrk::clients {

class DisplayClientCodes {
 public:
  DisplayClientCodes(std::filesystem::path folder, std::string period);

  const GroupDialogLists& lists() const { return lists_; }

  // Lists the group's codes (an empty listing for a group without clients; no message).
  dialog::Outcome display(const std::string& group);
  const std::optional<GroupListing>& listing() const { return listing_; }

  // Prints the codes of the last Display under that group's title and closes with OK. Before any
  // Display, `group` (the combo box text) is displayed first, so the print-out never claims a
  // group has no clients when it has.
  PrintOutcome print(const std::string& group, const store::CalendarDate& today);

 private:
  std::filesystem::path folder_;
  std::string period_;
  GroupDialogLists lists_;
  std::optional<GroupListing> listing_;
};

}  // namespace vrk::clients
