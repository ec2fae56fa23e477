// The restore dialog: copies a backup folder named VRK DATA FILES back into the data directory.
#pragma once

#include "core/backup/restore_data_files.h"
#include "ui/backup/data_files_directory_form.h"
#include "ui/common/app_services.h"

namespace vrk::ui {

class TRestoreDataFilesForm : public DataFilesDirectoryForm {
  Q_OBJECT

 public:
  explicit TRestoreDataFilesForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  std::string openingDirectory() override;
  dialog::Outcome act(const std::string& directory, dialog::Prompter& prompter,
                      const backup::CopySteps& steps) override;

 private:
  backup::RestoreDataFiles logic_;
};

}  // namespace vrk::ui
