// The check that ends every backup and restore: each copied file compared with its original.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vrk::backup {

// The first file under `source` (in path order, folders walked recursively) whose copy at the
// same place under `target` is missing or differs in size or SHA-256, as a path relative to both;
// nothing when every copy holds. The files the folder copier leaves out (a folder's lock files)
// are left out here too; files only under `target` do not matter. A file or folder that cannot be
// read on either side counts as differing (the source folder itself as "."). `advance` is called
// as the check goes, once before each file and again for every further MiB read, so that a window
// can repaint.
std::optional<std::filesystem::path> firstDifferingCopy(const std::filesystem::path& source,
                                                        const std::filesystem::path& target,
                                                        const std::function<void()>& advance = {});

// What the dialogs say when a check fails, each naming the file by its relative path:
// "THE BACKUP COPY OF <file> DIFFERS FROM THE ORIGINAL\r\nTHE BACKUP IS NOT COMPLETE",
// "THE RESTORED COPY OF <file> DIFFERS FROM THE BACKUP\r\nTHE DATA FILES WERE NOT RESTORED", and
// for the copy a restore keeps of the data directory first "THE KEPT COPY OF <file> DIFFERS
// FROM THE ORIGINAL" (under kDataFilesNotKept).
inline constexpr const char* kBackupNotComplete = "THE BACKUP IS NOT COMPLETE";
inline constexpr const char* kDataFilesNotRestored = "THE DATA FILES WERE NOT RESTORED";
std::string backupCopyDiffers(const std::filesystem::path& file);
std::string restoredCopyDiffers(const std::filesystem::path& file);
std::string keptCopyDiffers(const std::filesystem::path& file);

}  // namespace vrk::backup
