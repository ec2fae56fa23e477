// The commit journal's byte format and the replay of its changes onto the files of a folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/store/transaction.h"

namespace vrk::store::journal {

std::string encode(const std::vector<Transaction::Change>& changes);
// Nothing when the bytes are not a complete, intact journal.
std::optional<std::vector<Transaction::Change>> decode(const std::string& bytes);

// Writes one change to its file and syncs it. Applying the same change twice gives the same file.
void apply(const std::filesystem::path& folder, const Transaction::Change& change);

}  // namespace vrk::store::journal
