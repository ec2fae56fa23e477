#include "core/backup/restore_data_files.h"

#include <cstdio>
#include <system_error>

#include "core/backup/backup_location.h"
#include "core/backup/copy_check.h"
#include "core/text/cp1252.h"

namespace vrk::backup {
namespace fs = std::filesystem;
namespace {

// Copies the data directory whole into a new folder beside it, "VRK DATA FILES before restore
// YYYY-MM-DD HHMMSS" or the first of " (2)", " (3)"... not taken yet, and sets `kept` to it. Its
// steps are all kCopyStarted: the restore's own copy follows. A failed copy, or one that differs
// from the data directory, removes its folder.
CheckedCopy keepDataFiles(services::FolderCopier& copier, const fs::path& data, const services::LocalTime& now,
                          const CopySteps& steps, fs::path& kept) {
  char stamp[80];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d%02d%02d", now.date.year, now.date.month,
                now.date.day, now.time.hour, now.time.minute, now.time.second);
  const std::string name = std::string(kDataFilesFolderName) + kKeptBeforeRestore + stamp;
  kept = data.parent_path() / name;
  std::error_code error;
  for (int copy = 2;; ++copy) {
    const fs::file_type type = fs::symlink_status(kept, error).type();
    if (type == fs::file_type::not_found) break;
    if (type == fs::file_type::none)
      return {{false, "The folder \"" + utf8FromPath(kept) + "\" cannot be looked up: " + error.message() + "."},
              std::nullopt};
    kept = data.parent_path() / (name + " (" + std::to_string(copy) + ")");
  }
  CheckedCopy result = copyWithSteps(copier, data, kept, [&steps](int) {
    if (steps) steps(kCopyStarted);
  });
  if (!result.ok()) fs::remove_all(kept, error);
  return result;
}

}  // namespace

std::string RestoreDataFiles::openingDirectory() const {
  return backup::openingDirectory(settings_.readString(services::kBackupDataFilesPath));
}

dialog::Outcome RestoreDataFiles::restore(const std::string& selectedDirectory, dialog::Prompter&,
                                          const CopySteps& steps) {
  dialog::Outcome outcome;
  const fs::path selected = plainDirectory(selectedDirectory);
  if (!isDataFilesFolder(selected)) {
    outcome.error(kSelectDataFilesDirectory);
    return outcome;
  }
  std::error_code error;
  if (!fs::is_directory(selected, error)) {
    outcome.error(std::string(kSelectedDirectoryMissing) + "\r\n" + shownPath(selected));
    return outcome;
  }
  const fs::path data =
      plainDirectory(dataFilesPath_ ? *dataFilesPath_ : settings_.readString(services::kDataFilesPath));
  if (data.empty()) {
    outcome.error(kNoDataDirectory);
    return outcome;
  }
  // Neither inside the other: a backup kept within the data directory would be copied over the
  // very folders it is read from.
  if (isSameOrInside(data, selected) || isSameOrInside(selected, data)) {
    outcome.error(std::string(kRestoreFromDataDirectory) + "\r\n" + shownPath(data));
    return outcome;
  }

  settings_.writeString(services::kBackupDataFilesPath, utf8FromPath(selected));
  // The data directory as it is, kept before anything is copied over it. One that cannot even be
  // looked at is copied too, so that the failure stops the restore.
  fs::path kept;
  if (fs::symlink_status(data, error).type() != fs::file_type::not_found) {
    const CheckedCopy keeping = keepDataFiles(copier_, data, clock_.now(), steps, kept);
    if (!keeping.ok()) {
      outcome.error(std::string(kDataFilesNotKept) + "\r\n" +
                    (keeping.differing ? keptCopyDiffers(*keeping.differing)
                                       : text::cp1252FromUtf8(keeping.copied.error)));
      return outcome;
    }
  }
  const std::string keptIn =
      kept.empty() ? std::string() : std::string("\r\n") + kDataFilesKeptIn + "\r\n" + shownPath(kept);
  // The backup's contents go into the data directory itself, whichever spelling either name has.
  // A failed copy or check leaves the data directory part restored (nothing is copied back over
  // it, which could fail the same way): the copy kept of it says how it was.
  const CheckedCopy copy = copyWithSteps(copier_, selected, data, steps);
  if (!copy.copied.ok) {
    outcome.error(std::string(kRestoreFailed) + "\r\n" + text::cp1252FromUtf8(copy.copied.error));
    return outcome;
  }
  if (copy.differing) {
    outcome.error(restoredCopyDiffers(*copy.differing) + keptIn);
    return outcome;
  }
  std::string done = std::string(kRestoreComplete) + "\r\n" + copiedCounts(copy.copied, kCopiedFrom) + "\r\n" +
                     shownPath(selected) + keptIn;
  outcome.information(done);
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::backup
