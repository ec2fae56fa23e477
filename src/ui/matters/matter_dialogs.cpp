// The matter dialogs, made once and registered with the main window.
#include "ui/matters/add_matter_form.h"
#include "ui/matters/change_matter_form.h"
#include "ui/matters/delete_matter_form.h"
#include "ui/matters/display_matter_form.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {
namespace {

template <typename Form>
void addDialog(Application& app, AppServices& services, const char* name) {
  auto* dialog = new Form(services, app.mainWindow());
  app.addCommandDialog(name, [dialog](QWidget*) { dialog->exec(); });
}

}  // namespace

void registerMatterDialogs(Application& app, AppServices& services) {
  addDialog<TAddMatterForm>(app, services, "TAddMatterForm");
  addDialog<TChangeMatterForm>(app, services, "TChangeMatterForm");
  addDialog<TDeleteMatterForm>(app, services, "TDeleteMatterForm");
  addDialog<TDisplayMatterForm>(app, services, "TDisplayMatterForm");
}

}  // namespace vrk::ui
