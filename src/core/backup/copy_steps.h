// The progress the backup and restore dialogs show while the data files are copied and checked
// (steps 1 to 3).
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/services/folder_copier.h"

namespace vrk::backup {

inline constexpr int kCopyStarted = 1;
inline constexpr int kCopyHalfDone = 2;
inline constexpr int kCopyDone = 3;

// Called with the step reached: kCopyStarted before the first byte, then again with
// kCopyStarted or kCopyHalfDone at every advance of the copy (so a window can repaint), with
// kCopyHalfDone at every advance of the check that follows it, and kCopyDone once everything was
// copied and every copy found equal to its original. A failed copy or check never reports kCopyDone.
using CopySteps = std::function<void(int step)>;

// A copy and its check: `copied` as the copier reports it; when it succeeded, `differing` names the
// first file (relative to both folders) whose copy is not equal to its original (see copy_check.h).
struct CheckedCopy {
  services::CopyResult copied;
  std::optional<std::filesystem::path> differing;

  bool ok() const { return copied.ok && !differing; }
};

// Copies the contents of `source` into `target` through the copier, then compares every copied
// file with its original, reporting the steps. Saves that a crash interrupted in either folder are
// completed or discarded first.
CheckedCopy copyWithSteps(services::FolderCopier& copier, const std::filesystem::path& source,
                          const std::filesystem::path& target, const CopySteps& steps);

// "4 FILES IN 2 FOLDERS WERE " followed by `copied` ("COPIED TO" or "COPIED FROM"): the counts of a
// copy that succeeded, for the box that ends a backup or restore.
std::string copiedCounts(const services::CopyResult& result, const char* copied);

}  // namespace vrk::backup
