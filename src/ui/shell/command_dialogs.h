// Makes each subsystem's command dialogs (once, at start-up) and gives them to the main window.
#pragma once

#include <QWidget>

namespace vrk::ui {

class Application;
struct AppServices;
class VrkDialog;
QWidget* mainWindowOf(Application& app);

// Every subsystem's dialogs, in the order the program makes them.
void registerCommandDialogs(Application& app, AppServices& services);

// One per subsystem: each makes its dialogs as children of the main window and registers them
// with Application::addCommandDialog under their class names.
void registerAttorneyDialogs(Application& app, AppServices& services);
void registerClientDialogs(Application& app, AppServices& services);
void registerMatterDialogs(Application& app, AppServices& services);
void registerRecordDialogs(Application& app, AppServices& services);
void registerStatementDialogs(Application& app, AppServices& services);
void registerActivityReportDialogs(Application& app, AppServices& services);
void registerMailingLabelDialogs(Application& app, AppServices& services);
void registerMatterListDialogs(Application& app, AppServices& services);
void registerAgedAccountsDialogs(Application& app, AppServices& services);
void registerCumulativeDialogs(Application& app, AppServices& services);

// Registers one made dialog under its class name; its window title becomes the label of the
// main-window command that opens it ("Add A New Client").
void addCommandDialog(Application& app, VrkDialog* dialog, const char* name);

// Makes the dialog `Form` as a child of the main window and registers it as above.
template <class Form>
void addCommandForm(Application& app, AppServices& services, const char* name) {
  addCommandDialog(app, new Form(services, mainWindowOf(app)), name);
}

}  // namespace vrk::ui
