// The matter dialogs, made once and registered with the main window.
#include "ui/shell/application.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

void registerMatterDialogs(Application& app, AppServices& services) {
  (void)app;
  (void)services;
}

}  // namespace vrk::ui
