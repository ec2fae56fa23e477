// The matter dialogs, made once and registered with the main window.
#include "ui/matters/add_matter_form.h"
#include "ui/matters/change_matter_form.h"
#include "ui/matters/delete_matter_form.h"
#include "ui/matters/display_matter_form.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

void registerMatterDialogs(Application& app, AppServices& services) {
  addCommandForm<TAddMatterForm>(app, services, "TAddMatterForm");
  addCommandForm<TChangeMatterForm>(app, services, "TChangeMatterForm");
  addCommandForm<TDeleteMatterForm>(app, services, "TDeleteMatterForm");
  addCommandForm<TDisplayMatterForm>(app, services, "TDisplayMatterForm");
}

}  // namespace vrk::ui
