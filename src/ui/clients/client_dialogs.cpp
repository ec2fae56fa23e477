// The client dialogs, made once and registered with the main window.
#include "ui/shell/application.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

void registerClientDialogs(Application& app, AppServices& services) {
  (void)app;
  (void)services;
}

}  // namespace vrk::ui
