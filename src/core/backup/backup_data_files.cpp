#include "core/backup/backup_data_files.h"

#include <system_error>

#include "core/backup/backup_location.h"
#include "core/backup/copy_check.h"
#include "core/text/cp1252.h"

namespace vrk::backup {
namespace fs = std::filesystem;

std::string BackupDataFiles::openingDirectory() const {
  return backup::openingDirectory(settings_.readString(services::kBackupDataFilesPath));
}

dialog::Outcome BackupDataFiles::save(const std::string& selectedDirectory, dialog::Prompter& prompter,
                                      const CopySteps& steps) {
  dialog::Outcome outcome;
  const fs::path selected = plainDirectory(selectedDirectory);
  const fs::path data =
      plainDirectory(dataFilesPath_ ? *dataFilesPath_ : settings_.readString(services::kDataFilesPath));
  std::error_code error;
  if (data.empty()) {
    outcome.error(kNoDataDirectory);
    return outcome;
  }
  if (selected.empty() || !fs::is_directory(selected, error)) {
    outcome.error(std::string(kSelectedDirectoryMissing) + "\r\n" + shownPath(selected));
    return outcome;
  }

  // The selected folder is a backup folder itself, or holds one: either is overwritten after a
  // question, the copy merging into that very folder whichever spelling its name has.
  fs::path target = selected / data.filename();
  bool overwrite = false;
  if (isDataFilesFolder(selected)) {
    target = selected;
    overwrite = true;
  } else if (const auto existing = existingBackupIn(selected, data.filename())) {
    target = *existing;
    overwrite = true;
  }
  // Neither inside the other: a target holding the data directory would take the copy into the
  // data directory's own parent folders.
  if (isSameOrInside(target, data) || isSameOrInside(data, target)) {
    outcome.error(std::string(kBackupIntoDataDirectory) + "\r\n" + shownPath(data));
    return outcome;
  }

  settings_.writeString(services::kBackupDataFilesPath, utf8FromPath(selected));
  outcome.closing = dialog::Closing::Ok;
  if (overwrite && !dialog::ask(outcome, prompter, kOverwriteExistingBackupFiles)) return outcome;

  const CheckedCopy copy = copyWithSteps(copier_, data, target, steps);
  if (!copy.ok()) {
    outcome.error(copy.differing ? backupCopyDiffers(*copy.differing)
                                 : std::string(kBackupFailed) + "\r\n" + text::cp1252FromUtf8(copy.copied.error));
    outcome.closing = dialog::Closing::Stay;
    return outcome;
  }
  outcome.information(std::string(kBackupComplete) + "\r\n" + copiedCounts(copy.copied, kCopiedTo) + "\r\n" +
                      shownPath(target));
  return outcome;
}

}  // namespace vrk::backup
