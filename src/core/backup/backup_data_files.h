// The logic of the backup dialog (`TBackupDataFilesForm`): where it opens and what Save does.
#pragma once

#include <optional>
#include <string>

#include "core/backup/copy_steps.h"
#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"
#include "core/services/folder_copier.h"
#include "core/services/settings_store.h"

namespace vrk::backup {

class BackupDataFiles {
 public:
  BackupDataFiles(services::SettingsStore& settings, services::FolderCopier& copier)
      : settings_(settings), copier_(copier) {}

  // The directory the dialog selects on opening (see openingDirectory()).
  std::string openingDirectory() const;

  // Copies this data directory instead of the one the settings name (vrk-batch --data-dir).
  void useDataFilesPath(std::string dataFilesPath) { dataFilesPath_ = std::move(dataFilesPath); }

  // Save with `selectedDirectory` (UTF-8) chosen: the data directory is copied into a folder of
  // its own name there, or merged into the backup folder already there (after "OVERWRITE
  // EXISTING BACKUP FILES?"), or into the selected folder when that is a backup folder itself
  // (after the same question). The selected directory becomes `BackupDataFilesPath`. Closes
  // with OK after the copy (saying what was copied where) or after No; stays open with an error
  // when the directory is missing or inside the data directory, when the copy fails, or when a
  // copied file is not equal to its original (backupCopyDiffers(), copy_check.h). Settings that
  // cannot be written raise store::StoreError.
  dialog::Outcome save(const std::string& selectedDirectory, dialog::Prompter& prompter,
                       const CopySteps& steps = {});

 private:
  services::SettingsStore& settings_;
  services::FolderCopier& copier_;
  std::optional<std::string> dataFilesPath_;
};

}  // namespace vrk::backup
