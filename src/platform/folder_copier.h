// Recursive folder copy for backup and restore: each file written under a temporary name first.
#pragma once

#include "core/services/folder_copier.h"

namespace vrk::platform {

// Copies the contents of source into target (created when missing, with its parents).
// Same-named files are replaced; files and folders only at the destination stay. Each file is
// written to a temporary name beside its target, synced and renamed into place, so an
// interrupted or failed copy never leaves a half-written file under the real name. The copy
// stops at the first failure and reports it, naming the file; files copied before it stay.
// Modification times are kept; a file that replaces another keeps the replaced file's
// permissions, a new file gets the usual ones (so files restored from read-only media stay
// writable). Symbolic links to folders are not followed. A copy that succeeds tells how many
// files and folders it copied.
class RecursiveFolderCopier : public services::FolderCopier {
 public:
  services::CopyResult copyTo(const std::filesystem::path& source, const std::filesystem::path& target,
                              const Progress& progress) override;
};

}  // namespace vrk::platform
