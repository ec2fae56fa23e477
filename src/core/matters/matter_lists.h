// What the matter dialogs load on opening: client codes, attorneys, schedule count, matter keys.
#pragma once

#include <filesystem>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/store/record_table.h"
#include "core/store/transaction.h"

namespace vrk::matters {

struct MatterKey {
  std::string client;
  std::string number;  // as stored (commas removed, leading zeros kept)

  bool operator==(const MatterKey&) const = default;
};

struct MatterLists {
  std::vector<std::string> clientCodes;  // ClientCodes.Dat; empty when it is missing
  std::vector<std::string> attorneys;    // AttorneyInitials.Dat; empty without the register
  int scheduleCount = 0;                 // counts slot 2; 0 without the register
  std::vector<MatterKey> matters;        // in key order

  bool hasClient(const std::string& code) const;        // exactly as typed
  bool hasAttorney(const std::string& initials) const;  // exactly as typed
  // The numbers a client uses, in key order.
  std::vector<std::string> numbersOf(const std::string& client) const;
};

MatterLists loadMatterLists(store::Transaction& tx);
// The same through a transaction of its own on the billing period's folder.
MatterLists loadMatterLists(const std::filesystem::path& folder);

store::Key matterKey(const MatterKey& key);
MatterKey matterKeyAt(const store::RecordTable& matters, std::size_t position);

// The position of a matter: the client code byte for byte, the number by value ("7" finds "007").
// A number that is not all digits finds nothing.
std::optional<std::size_t> findMatter(const store::RecordTable& matters, const MatterKey& key);

}  // namespace vrk::matters
