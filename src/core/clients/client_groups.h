// The client group list ClientGroups.Dat: the sorted distinct group characters.
#pragma once

#include <string>
#include <vector>

#include "core/store/transaction.h"

namespace vrk::clients {

// The list as read (sorted, duplicates dropped); empty when the file is missing.
std::vector<std::string> loadGroupList(const store::Transaction& tx);

// Adds the group and stages the list when the group is not in it yet.
void addToGroupList(store::Transaction& tx, const std::string& group);

}  // namespace vrk::clients
