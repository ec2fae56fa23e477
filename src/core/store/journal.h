// The commit journal's byte format and the replay of its changes onto the files of a folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/store/transaction.h"

namespace vrk::store::journal {

// A folder's stamp names the state its files are in: every commit writes a new one after its
// changes, so a journal can tell whether the files are still in the state it was sealed against
// (replay it), already in the state it leads to (only its removal was lost), or in a third state
// (it is stale, e.g. a journal whose removal a power cut undid, found again after later saves or
// a restore: replaying it would overwrite newer records).
inline constexpr const char* kStampName = ".vrk-folder-stamp";
inline constexpr std::uint64_t kUnreadableStamp = ~0ULL;

// 0 when the stamp file is missing or empty (a folder no commit has written yet);
// kUnreadableStamp when it is damaged.
std::uint64_t readStamp(const std::filesystem::path& folder);
// The change that writes `stamp` into the folder's stamp file.
Transaction::Change stampChange(const std::filesystem::path& folder, std::uint64_t stamp);

struct Journal {
  std::uint64_t stampBefore = 0;  // the state the changes were made against
  std::uint64_t stampAfter = 0;   // the state they lead to
  std::vector<Transaction::Change> changes;
};

// Encodes changes made against the state `stampBefore` and sets `stampAfter`, which is drawn
// from the state before and the changes: the same changes on the same state give the same stamp.
std::string encode(const std::vector<Transaction::Change>& changes, std::uint64_t stampBefore,
                   std::uint64_t& stampAfter);
// Nothing when the bytes are not a complete, intact journal.
std::optional<Journal> decode(const std::string& bytes);

// Writes one change to its file and syncs it. Applying the same change twice gives the same file.
void apply(const std::filesystem::path& folder, const Transaction::Change& change);

}  // namespace vrk::store::journal
