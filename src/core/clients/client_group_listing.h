// The Display button of the two client group dialogs: the codes of a group's clients in list order.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vrk::clients {

inline constexpr int kGridColumns = 10;

// What both group dialogs open with: the group list and the number of clients (counts slot 0),
// which sizes the grid to (clients / 10) + 1 rows.
struct GroupDialogLists {
  std::vector<std::string> groups;
  int clientCount = 0;

  int gridRows() const { return clientCount / kGridColumns + 1; }
};
GroupDialogLists loadGroupDialogLists(const std::filesystem::path& folder);

// A group's listing as the last Display found it.
struct GroupListing {
  std::string group;
  std::vector<std::string> codes;
};

// The clients whose record names `group`, in client code list order (none: an empty listing).
GroupListing listGroup(const std::filesystem::path& folder, const std::string& group);

}  // namespace vrk::clients
