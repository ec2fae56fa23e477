// Makes each subsystem's command dialogs (once, at start-up) and gives them to the main window.
#pragma once

namespace vrk::ui {

class Application;
struct AppServices;

// Every subsystem's dialogs, in the order the program makes them.
void registerCommandDialogs(Application& app, AppServices& services);

// One per subsystem: each makes its dialogs as children of the main window and registers them
// with Application::addCommandDialog under their class names.
void registerAttorneyDialogs(Application& app, AppServices& services);
void registerClientDialogs(Application& app, AppServices& services);
void registerMatterDialogs(Application& app, AppServices& services);

}  // namespace vrk::ui
