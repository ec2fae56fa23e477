#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

void registerCommandDialogs(Application& app, AppServices& services) {
  registerAttorneyDialogs(app, services);
  registerClientDialogs(app, services);
  registerMatterDialogs(app, services);
}

}  // namespace vrk::ui
