// The logic of the restore dialog (`TRestoreDataFilesForm`): where it opens and what Restore does.
#pragma once

#include <optional>
#include <string>

#include "core/backup/copy_steps.h"
#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"
#include "core/services/clock.h"
#include "core/services/folder_copier.h"
#include "core/services/settings_store.h"

namespace vrk::backup {

class RestoreDataFiles {
 public:
  RestoreDataFiles(services::SettingsStore& settings, services::FolderCopier& copier,
                   const services::Clock& clock)
      : settings_(settings), copier_(copier), clock_(clock) {}

  // The directory the dialog selects on opening (see openingDirectory()).
  std::string openingDirectory() const;

  // Restores into this data directory instead of the one the settings name (vrk-batch --data-dir).
  void useDataFilesPath(std::string dataFilesPath) { dataFilesPath_ = std::move(dataFilesPath); }

  // Restore with `selectedDirectory` (UTF-8) chosen: a directory named "VRK DATA FILES" or
  // "VRK Data Files" is merged into the data directory without a question (same-named files
  // replaced, others kept) and becomes `BackupDataFilesPath`; the dialog closes with OK, saying
  // what was copied. First an existing data directory is copied whole beside itself, under
  // kKeptBeforeRestore and the clock's date and time (its steps are all kCopyStarted); when that
  // copy fails, or a file of it is not equal to its original, the restore stops, the data
  // directory as it was. Any other name, a missing directory, the data directory itself, a failed
  // copy or a restored file not equal to the backup's (restoredCopyDiffers(), copy_check.h, then
  // where the data files as they were are kept) keeps the dialog open with an error.
  // Settings that cannot be written raise store::StoreError.
  dialog::Outcome restore(const std::string& selectedDirectory, dialog::Prompter& prompter,
                          const CopySteps& steps = {});

 private:
  services::SettingsStore& settings_;
  services::FolderCopier& copier_;
  const services::Clock& clock_;
  std::optional<std::string> dataFilesPath_;
};

}  // namespace vrk::backup
