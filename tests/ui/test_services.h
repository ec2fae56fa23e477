// Test support: the services a dialog test hands its windows, with settings in memory and a fixed today.
#pragma once

#include "core/services/clock.h"
#include "core/services/settings_store.h"
#include "core/shell/session.h"
#include "core/store/dates.h"
#include "platform/folder_copier.h"
#include "ui/common/app_services.h"
#include "ui/common/printer_choice.h"

namespace vrk::test {

// In-memory settings, a clock fixed at `today`, the real folder copy and printer choice, an empty
// session, and the `AppServices` over them that windows and dialogs take.
struct TestServices {
  explicit TestServices(store::CalendarDate today) : clock(today), printer(settings, clock) {}
  TestServices(const TestServices&) = delete;
  TestServices& operator=(const TestServices&) = delete;

  services::MemorySettingsStore settings;
  services::FixedClock clock;
  platform::RecursiveFolderCopier copier;
  ui::PrinterChoice printer;
  shell::Session session;
  ui::AppServices app{settings, clock, copier, printer, session};
};

}  // namespace vrk::test
