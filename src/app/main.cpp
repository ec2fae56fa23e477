// vrk: the desktop program. One copy at a time; windows are made once and reused.
#include <QApplication>
#include <QMessageBox>

#include "core/services/clock.h"
#include "core/shell/session.h"
#include "platform/folder_copier.h"
#include "platform/settings.h"
#include "platform/single_instance.h"
#include "ui/common/printer_choice.h"
#include "ui/shell/application.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VRK"));
  QApplication::setApplicationVersion(QStringLiteral("0.1"));

  vrk::platform::SingleInstanceLock lock;
  if (lock.acquire() == vrk::platform::SingleInstanceLock::Result::HeldByAnotherCopy) {
    QMessageBox::critical(nullptr, QStringLiteral("Error"), QStringLiteral("PROGRAM VRK IS ALREADY RUNNING"));
    return 1;
  }

  auto settings = vrk::platform::openSettingsStore();
  vrk::services::SystemClock clock;
  vrk::platform::RecursiveFolderCopier copier;
  vrk::ui::PrinterChoice printer(*settings, clock);
  vrk::shell::Session session;
  vrk::ui::AppServices services{*settings, clock, copier, printer, session};

  vrk::ui::Application application(services);
  QApplication::setQuitOnLastWindowClosed(false);  // the hidden opening window ends the program
  application.start();
  return QApplication::exec();
}
