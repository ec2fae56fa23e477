// The review-and-change editors, made once and registered with the main window.
#pragma once

namespace vrk::ui {

class Application;
struct AppServices;

void registerEditorDialogs(Application& app, AppServices& services);

}  // namespace vrk::ui
