// What every window and dialog is given: settings, clock, folder copy, printer, shared session.
#pragma once

#include "core/services/clock.h"
#include "core/services/folder_copier.h"
#include "core/services/settings_store.h"
#include "core/shell/session.h"

namespace vrk::ui {

class PrinterChoice;

struct AppServices {
  services::SettingsStore& settings;
  services::Clock& clock;
  services::FolderCopier& copier;
  PrinterChoice& printer;
  shell::Session& session;
};

}  // namespace vrk::ui
