// The logic of `TDeleteClientGroupForm`: Display a group's clients, Delete them and the group.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/clients/client_group_listing.h"
#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"

namespace vrk::clients {

class DeleteClientGroup {
 public:
  explicit DeleteClientGroup(std::filesystem::path folder);

  const GroupDialogLists& lists() const { return lists_; }

  dialog::Outcome display(const std::string& group);
  const std::optional<GroupListing>& listing() const { return listing_; }

  // Deletes every client the last Display listed, each as a single client is deleted (with its
  // question about the matters), then removes the group from the group list; closes with OK.
  // Refused before a Display, and for a group that is not in the group list.
  dialog::Outcome remove(dialog::Prompter& prompter);

 private:
  std::filesystem::path folder_;
  GroupDialogLists lists_;
  std::optional<GroupListing> listing_;
};

}  // namespace vrk::clients
