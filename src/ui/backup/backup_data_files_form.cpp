#include "ui/backup/backup_data_files_form.h"

namespace vrk::ui {

TBackupDataFilesForm::TBackupDataFilesForm(AppServices& services, QWidget* parent)
    : DataFilesDirectoryForm({QStringLiteral("Select Location for Backup VRK Data Files Directory"),
                              QStringLiteral("Currently Selected Path Is "), QStringLiteral("Save"),
                              QStringLiteral("SaveButton")},
                             parent),
      logic_(services.settings, services.copier) {
  setObjectName(QStringLiteral("TBackupDataFilesForm"));
}

std::string TBackupDataFilesForm::openingDirectory() { return logic_.openingDirectory(); }

dialog::Outcome TBackupDataFilesForm::act(const std::string& directory, dialog::Prompter& prompter,
                                          const backup::CopySteps& steps) {
  return logic_.save(directory, prompter, steps);
}

}  // namespace vrk::ui
