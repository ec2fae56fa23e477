// The progress the backup and restore dialogs show while the data files are copied (steps 1 to 3).
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "core/services/folder_copier.h"

namespace vrk::backup {

inline constexpr int kCopyStarted = 1;
inline constexpr int kCopyHalfDone = 2;
inline constexpr int kCopyDone = 3;

// Called with the step reached: kCopyStarted before the first byte, then again with
// kCopyStarted or kCopyHalfDone at every advance of the copy (so a window can repaint),
// and kCopyDone once everything was copied. A failed copy never reports kCopyDone.
using CopySteps = std::function<void(int step)>;

// Copies the contents of `source` into `target` through the copier, reporting the steps. Saves
// that a crash interrupted in either folder are completed or discarded first.
services::CopyResult copyWithSteps(services::FolderCopier& copier, const std::filesystem::path& source,
                                   const std::filesystem::path& target, const CopySteps& steps);

// "4 FILES IN 2 FOLDERS WERE " followed by `copied` ("COPIED TO" or "COPIED FROM"): the counts of a
// copy that succeeded, for the box that ends a backup or restore.
std::string copiedCounts(const services::CopyResult& result, const char* copied);

}  // namespace vrk::backup
