// vrk: the desktop program. One copy at a time; windows are made once and reused.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <string_view>

#include "core/services/clock.h"
#include "core/shell/session.h"
#include "platform/folder_copier.h"
#include "platform/folder_locking.h"
#include "platform/settings.h"
#include "platform/single_instance.h"
#include "ui/common/printer_choice.h"
#include "ui/shell/application.h"
#include "vrk_version.h"

namespace {

// --help and --version are answered in the terminal, before any window (and without a display).
void answerHelpOrVersion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (arg != "--help" && arg != "-h" && arg != "--version" && arg != "-v") continue;
    QCoreApplication terminal(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vrk"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(vrk::kVersion));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("VRK Time and Billing: time, costs and monthly statements for the law office"));
    options.addHelpOption();
    options.addVersionOption();
    options.process(terminal);  // prints and ends the program
  }
}

}  // namespace

int main(int argc, char** argv) {
  answerHelpOrVersion(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VRK"));
  QApplication::setApplicationVersion(QString::fromLatin1(vrk::kVersion));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.vrk.vrk"), [] {
    QIcon icon;
    for (const char* size : {"32", "256"}) icon.addFile(QStringLiteral(":/icons/vrk-%1.png").arg(QLatin1String(size)));
    return icon;
  }()));

  vrk::platform::SingleInstanceLock lock;
  if (lock.acquire() == vrk::platform::SingleInstanceLock::Result::HeldByAnotherCopy) {
    QMessageBox::critical(nullptr, QStringLiteral("Error"), QStringLiteral("PROGRAM VRK IS ALREADY RUNNING"));
    return 1;
  }

  vrk::platform::installFolderLocking();
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
