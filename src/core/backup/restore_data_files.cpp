#include "core/backup/restore_data_files.h"

#include <system_error>

#include "core/backup/backup_location.h"
#include "core/text/cp1252.h"

namespace vrk::backup {
namespace fs = std::filesystem;

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
  // The backup's contents go into the data directory itself, whichever spelling either name has.
  const services::CopyResult copied = copyWithSteps(copier_, selected, data, steps);
  if (!copied.ok) {
    outcome.error(std::string(kRestoreFailed) + "\r\n" + text::cp1252FromUtf8(copied.error));
    return outcome;
  }
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::backup
