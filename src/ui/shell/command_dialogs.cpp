#include "ui/editors/editor_dialogs.h"
#include "ui/shell/command_dialogs.h"

#include "core/shell/commands.h"
#include "ui/common/vrk_dialog.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"

namespace vrk::ui {

QWidget* mainWindowOf(Application& app) { return app.mainWindow(); }

void addCommandDialog(Application& app, VrkDialog* dialog, const char* name) {
  for (const auto& command : shell::commands())
    if (command.dialog == name) dialog->setWindowTitle(QString::fromStdString(command.label));
  app.addCommandDialog(name, [dialog](QWidget*) { dialog->exec(); });
}

void registerCommandDialogs(Application& app, AppServices& services) {
  registerAttorneyDialogs(app, services);
  registerClientDialogs(app, services);
  registerMatterDialogs(app, services);
  registerRecordDialogs(app, services);
  registerEditorDialogs(app, services);
  registerStatementDialogs(app, services);
  registerActivityReportDialogs(app, services);
  registerMailingLabelDialogs(app, services);
  registerMatterListDialogs(app, services);
  registerAgedAccountsDialogs(app, services);
  registerCumulativeDialogs(app, services);
}

}  // namespace vrk::ui
