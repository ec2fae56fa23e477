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

void registerClientDialogs(Application& app, AppServices& services) {
  addCommandForm<TAddClientForm>(app, services, "TAddClientForm");
  addCommandForm<TChangeClientForm>(app, services, "TChangeClientForm");
  addCommandForm<TDeleteClientForm>(app, services, "TDeleteClientForm");
  addCommandForm<TDisplayClientForm>(app, services, "TDisplayClientForm");
  addCommandForm<TDisplayClientCodesForm>(app, services, "TDisplayClientCodesForm");
  addCommandForm<TDeleteClientGroupForm>(app, services, "TDeleteClientGroupForm");
}

}  // namespace vrk::ui
