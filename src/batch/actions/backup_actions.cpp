// vrk-batch: backup and restore of the data directory (the File menu's Backup and Restore).
#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/backup/backup_data_files.h"
#include "core/backup/restore_data_files.h"
#include "core/services/clock.h"
#include "core/text/cp1252.h"
#include "platform/folder_copier.h"

namespace vrk::batch {
namespace {

// The directory field as a path: fields arrive in the stored character set, paths are UTF-8.
std::string directoryField(const FieldValues& fields) {
  return text::utf8FromCp1252(fields.get("directory"));
}

ActionResult backupDataFiles(Context& context, const FieldValues& fields, dialog::Prompter& prompter) {
  platform::RecursiveFolderCopier copier;
  backup::BackupDataFiles backup(*context.settings, copier);
  if (!context.dataFilesPath.empty()) backup.useDataFilesPath(context.dataFilesPath);
  return {backup.save(directoryField(fields), prompter), {}};
}

ActionResult restoreDataFiles(Context& context, const FieldValues& fields, dialog::Prompter& prompter) {
  platform::RecursiveFolderCopier copier;
  services::SystemClock clock;  // names the copy kept of the data directory by the real time
  backup::RestoreDataFiles restore(*context.settings, copier, clock);
  if (!context.dataFilesPath.empty()) restore.useDataFilesPath(context.dataFilesPath);
  return {restore.restore(directoryField(fields), prompter), {}};
}

}  // namespace

void registerBackupActions(Registry& registry) {
  registry.add(
      Action{{"backup",
              "Backup: copy the data directory into the directory given (--yes overwrites an earlier "
              "backup there)",
              {"directory"}},
             backupDataFiles});
  registry.add(Action{{"restore",
                       "Restore: copy a backup directory named VRK DATA FILES back into the data directory "
                       "(the data directory is first copied beside itself)",
                       {"directory"}},
                      restoreDataFiles});
}

}  // namespace vrk::batch
