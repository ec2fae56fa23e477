// The backup dialog: copies the data directory into a directory the user selects.
#pragma once

#include "core/backup/backup_data_files.h"
#include "ui/backup/data_files_directory_form.h"
#include "ui/common/app_services.h"

namespace vrk::ui {

class TBackupDataFilesForm : public DataFilesDirectoryForm {
  Q_OBJECT

 public:
  explicit TBackupDataFilesForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  std::string openingDirectory() override;
  dialog::Outcome act(const std::string& directory, dialog::Prompter& prompter,
                      const backup::CopySteps& steps) override;

 private:
  backup::BackupDataFiles logic_;
};

}  // namespace vrk::ui
