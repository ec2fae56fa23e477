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

// The journal of a save that spans two folders (commitTogether()) names the other folder, which
// lies beside this one, and the stamps of the other folder's journal: each of the two journals
// recognises the other by them.
struct Link {
  std::string partner;  // the other folder's name, a plain name in the same parent folder
  std::uint64_t partnerBefore = 0;
  std::uint64_t partnerAfter = 0;
};

struct Journal {
  std::uint64_t stampBefore = 0;  // the state the changes were made against
  std::uint64_t stampAfter = 0;   // the state they lead to
  std::vector<Transaction::Change> changes;
  std::optional<Link> link;  // only in a journal of a save spanning two folders
};

// Encodes changes made against the state `stampBefore` and sets `stampAfter`, which is drawn
// from the state before and the changes: the same changes on the same state give the same stamp.
std::string encode(const std::vector<Transaction::Change>& changes, std::uint64_t stampBefore,
                   std::uint64_t& stampAfter);
// Adds the link to a journal made by encode(); its stamps stay as they are, so each of the two
// journals of a save can name the other's before either is linked. A flag in the header tells a
// linked journal, and the checksum covers the link too.
void addLink(std::string& journal, const Link& link);
// Nothing when the bytes are not a complete, intact journal, or name anything but a plain file
// of the folder (or, in a link, a plain folder name).
std::optional<Journal> decode(const std::string& bytes);

// A folder's path made absolute, without "." and ".." parts or a trailing separator, so that its
// filename() is the folder's own name and its parent_path() the folder holding it.
std::filesystem::path normalFolder(const std::filesystem::path& folder);
// The folder the link of a journal found in `folder` names.
std::filesystem::path partnerFolder(const std::filesystem::path& folder, const Link& link);
// True when `other`, found in the partner folder of `journal` (found in `folder`), is the other
// half of the same save: each links to the other's folder and stamps.
bool arePartners(const std::filesystem::path& folder, const Journal& journal, const Journal& other);

// Writes one change to its file and syncs it. Applying the same change twice gives the same file.
void apply(const std::filesystem::path& folder, const Transaction::Change& change);

}  // namespace vrk::store::journal
