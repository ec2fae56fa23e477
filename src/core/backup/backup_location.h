// Where backup and restore copy: the data directory's name, backup folders, chosen directories.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vrk::backup {

// The data directory's name in the two spellings a backup folder is recognised by.
inline constexpr const char* kDataFilesFolderName = "VRK DATA FILES";
inline constexpr const char* kDataFilesFolderNameMixed = "VRK Data Files";

inline constexpr const char* kOverwriteExistingBackupFiles = "OVERWRITE EXISTING BACKUP FILES?";
inline constexpr const char* kSelectDataFilesDirectory = "SELECT A DIRECTORY WITH THE NAME VRK DATA FILES";
inline constexpr const char* kSelectedDirectoryMissing = "THE SELECTED DIRECTORY DOES NOT EXIST";
inline constexpr const char* kNoDataDirectory = "NO DATA DIRECTORY IS SET UP";
inline constexpr const char* kBackupIntoDataDirectory = "THE DATA DIRECTORY CANNOT BE BACKED UP INTO ITSELF";
inline constexpr const char* kRestoreFromDataDirectory = "THE DATA DIRECTORY CANNOT BE RESTORED FROM ITSELF";
inline constexpr const char* kBackupFailed = "THE BACKUP COULD NOT BE COMPLETED";
inline constexpr const char* kRestoreFailed = "THE RESTORE COULD NOT BE COMPLETED";
inline constexpr const char* kDataFilesNotKept = "THE DATA FILES COULD NOT BE SAVED BEFORE THE RESTORE";
inline constexpr const char* kBackupComplete = "THE BACKUP IS COMPLETE";
inline constexpr const char* kRestoreComplete = "THE RESTORE IS COMPLETE";
inline constexpr const char* kCopiedTo = "COPIED TO";
inline constexpr const char* kCopiedFrom = "COPIED FROM";
inline constexpr const char* kDataFilesKeptIn = "THE DATA FILES AS THEY WERE ARE KEPT IN";

// The copy of the data directory a restore keeps beside it: "VRK DATA FILES before restore
// YYYY-MM-DD HHMMSS", with " (2)", " (3)"... when that name is taken.
inline constexpr const char* kKeptBeforeRestore = " before restore ";

// Paths arrive and leave as UTF-8 text (settings, the directory tree, the command line).
std::filesystem::path pathFromUtf8(const std::string& text);
std::string utf8FromPath(const std::filesystem::path& path);

// A chosen directory as one absolute, normalised path without a trailing separator; a root
// stays a root ("/" or "C:\"; a bare drive "C:" becomes "C:\"). Empty text gives an empty path.
std::filesystem::path plainDirectory(const std::string& text);

// True when the directory's own name is "VRK DATA FILES" or "VRK Data Files".
bool isDataFilesFolder(const std::filesystem::path& directory);

// The backup folder already inside `directory` (either spelling; `preferredName` first when
// both exist), or nothing.
std::optional<std::filesystem::path> existingBackupIn(const std::filesystem::path& directory,
                                                      const std::filesystem::path& preferredName);

// True when `inner` is `outer` or lies below it, following links and ignoring trailing separators.
bool isSameOrInside(const std::filesystem::path& inner, const std::filesystem::path& outer);

// Where the backup and restore dialogs open, from `BackupDataFilesPath`: that directory when it
// exists, else the root of its drive or file system; with no usable setting, the root of the
// file system the program runs in.
std::string openingDirectory(const std::string& backupDataFilesPath);

// A message line naming a path, in the stored character set of message boxes.
std::string shownPath(const std::filesystem::path& path);

}  // namespace vrk::backup
