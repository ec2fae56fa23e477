// The client dialogs, made once and registered with the main window.
#include "ui/clients/add_client_form.h"
#include "ui/clients/change_client_form.h"
#include "ui/clients/client_group_forms.h"
#include "ui/clients/delete_client_form.h"
#include "ui/clients/display_client_form.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {
namespace {

template <typename Form>
void addForm(Application& app, AppServices& services, const char* name) {
  auto* form = new Form(services, app.mainWindow());
  app.addCommandDialog(name, [form](QWidget*) { form->exec(); });
}

}  // namespace

void registerClientDialogs(Application& app, AppServices& services) {
  addForm<TAddClientForm>(app, services, "TAddClientForm");
  addForm<TChangeClientForm>(app, services, "TChangeClientForm");
  addForm<TDeleteClientForm>(app, services, "TDeleteClientForm");
  addForm<TDisplayClientForm>(app, services, "TDisplayClientForm");
  addForm<TDisplayClientCodesForm>(app, services, "TDisplayClientCodesForm");
  addForm<TDeleteClientGroupForm>(app, services, "TDeleteClientGroupForm");
}

}  // namespace vrk::ui
