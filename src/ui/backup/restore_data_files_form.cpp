#include "ui/backup/restore_data_files_form.h"

namespace vrk::ui {

TRestoreDataFilesForm::TRestoreDataFilesForm(AppServices& services, QWidget* parent)
    : DataFilesDirectoryForm({QStringLiteral("Select Backup VRK Data Files Directory To Be Restored"),
                              QStringLiteral("Currently Selected Directory Is  "), QStringLiteral("Restore"),
                              QStringLiteral("RestoreButton")},
                             parent),
      logic_(services.settings, services.copier, services.clock) {
  setObjectName(QStringLiteral("TRestoreDataFilesForm"));
}

std::string TRestoreDataFilesForm::openingDirectory() { return logic_.openingDirectory(); }

dialog::Outcome TRestoreDataFilesForm::act(const std::string& directory, dialog::Prompter& prompter,
                                           const backup::CopySteps& steps) {
  return logic_.restore(directory, prompter, steps);
}

}  // namespace vrk::ui
