#include "ui/shell/application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "core/closing/period_seal.h"
#include "core/help/help_pages.h"
#include "core/shell/about.h"
#include "core/shell/guards.h"
#include "core/shell/start_up.h"
#include "core/store/billing_period.h"
#include "core/store/store_error.h"
#include "platform/text_codec.h"
#include "vrk_version.h"
#include "ui/backup/backup_data_files_form.h"
#include "ui/backup/restore_data_files_form.h"
#include "ui/common/message_boxes.h"
#include "ui/common/printer_choice.h"
#include "ui/help/help_page_forms.h"
#include "ui/interchange/import_records_form.h"
#include "ui/statements/reprint_form.h"
#include "ui/shell/billing_period_query_box.h"
#include "ui/shell/clients_form.h"
#include "ui/shell/command_dialogs.h"
#include "ui/shell/create_directory_form.h"
#include "ui/shell/invoice_number_query_box.h"
#include "ui/shell/opening_form.h"
#include "ui/shell/pick_directory_form.h"

namespace vrk::ui {
namespace {

constexpr const char* kScreenTooSmall =
    "THIS APPLICATION REQUIRES A SCREEN RESOLUTION SETTING OF 1024 BY 768 OR HIGHER";

// The first-run windows, as core's start-up asks for them.
class WindowStartUpDialogs : public shell::StartUpDialogs {
 public:
  WindowStartUpDialogs(Application& app, QWidget* parent) : app_(app), parent_(parent) {}
  std::optional<std::string> pickParentDirectory() override {
    const QString parent = app_.pickDirectoryForm()->pickParent();
    if (parent.isEmpty()) return std::nullopt;
    return parent.toStdString();  // a path: UTF-8, as the settings hold it
  }
  bool confirmCreateDirectory(const std::string& label) override {
    return app_.createDirectoryForm()->ask(platform::fromStored(dialog::plainLineBreaks(label)));
  }
  std::optional<int> askFirstInvoiceNumber() override { return app_.invoiceNumberBox()->ask(); }
  void show(const dialog::Message& message) override { showMessage(parent_, message); }

 private:
  Application& app_;
  QWidget* parent_;
};

}  // namespace

Application::Application(AppServices& services) : services_(services) {
  // Every window is made once, the opening window first, and reused until the program ends.
  opening_ = std::make_unique<TOpeningForm>();
  main_ = std::make_unique<TClientsForm>();
  periodBox_ = std::make_unique<TBillingPeriodQueryBox>(services_.session, main_.get());
  pickDirectory_ = std::make_unique<TPickDirectoryForm>(opening_.get());
  createDirectory_ = std::make_unique<TCreateDirectoryForm>(opening_.get());
  invoiceNumber_ = std::make_unique<TInvoiceNumberQueryBox>(opening_.get());
  backup_ = std::make_unique<TBackupDataFilesForm>(services_, main_.get());
  restore_ = std::make_unique<TRestoreDataFilesForm>(services_, main_.get());
  for (const auto& info : help::helpPages())
    helpPages_.push_back(makeHelpPage(info.page, services_, nullptr));
  registerCommandDialogs(*this, services_);

  connect(opening_.get(), &TOpeningForm::continueRequested, this, &Application::continueStartUp);
  connect(opening_.get(), &TOpeningForm::backupRequested, this, &Application::backupFromOpening);
  connect(opening_.get(), &TOpeningForm::restoreRequested, this, &Application::restoreFromOpening);
  connect(opening_.get(), &TOpeningForm::helpRequested, this, &Application::showHelp);
  connect(opening_.get(), &TOpeningForm::aboutRequested, this, &Application::showAbout);
  connect(opening_.get(), &TOpeningForm::exitRequested, this, &Application::endProgram);

  connect(main_.get(), &TClientsForm::commandRequested, this,
          [this](const shell::Command* command) { runCommand(*command); });
  connect(main_.get(), &TClientsForm::periodShouldOpen, this, &Application::openBillingPeriod);
  connect(main_.get(), &TClientsForm::changeBillingPeriodRequested, this, &Application::changeBillingPeriod);
  services_.printer.setReporter([this](const QString& line) { main_->setStatusLine(line); });
  connect(main_.get(), &TClientsForm::changePrinterRequested, this,
          [this] { services_.printer.choose(main_.get()); });
  // Every operation runs to its end and leaves nothing loaded behind, so the exit has no
  // in-memory tables left to clear.
  connect(main_.get(), &TClientsForm::exitRequested, this, &Application::endProgram);
  connect(main_.get(), &TClientsForm::endRequested, this, &Application::endProgram);
  connect(main_.get(), &TClientsForm::backupRequested, this, &Application::showBackup);
  connect(main_.get(), &TClientsForm::restoreRequested, this, &Application::showRestore);
  connect(main_.get(), &TClientsForm::importRecordsRequested, this, &Application::showImportRecords);
  connect(main_.get(), &TClientsForm::reprintRequested, this, &Application::showReprint);
  connect(main_.get(), &TClientsForm::helpRequested, this, &Application::showHelp);
  connect(main_.get(), &TClientsForm::aboutRequested, this, &Application::showAbout);
}

Application::~Application() = default;

void Application::start() {
  opening_->show();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize size = screen->size();
    if (size.width() < 1024 || size.height() < 768)
      showMessage(opening_.get(), {dialog::MessageKind::Warning, kScreenTooSmall});
  }
}

bool Application::readSettings(bool restoring) {
  WindowStartUpDialogs dialogs(*this, opening_.get());
  shell::SettingsRead read;
  try {
    read = shell::readSettingsOrSetUp(services_.settings, dialogs, services_.session);
  } catch (const std::exception& error) {  // the settings cannot be read or written
    showMessage(opening_.get(), {dialog::MessageKind::Error,
                                 platform::toStored(QString::fromStdString(store::errorText(error)))});
    return false;
  }
  if (read.endProgram || (restoring && read.declinedCreate)) {
    endProgram();
    return false;
  }
  return true;
}

void Application::continueStartUp() {
  if (!readSettings(false)) return;
  services_.session.billingPeriod = store::defaultBillingPeriod(services_.clock.today());
  // Its parent, the main window, is not shown yet: open it centred over the opening window.
  periodBox_->adjustSize();
  periodBox_->move(opening_->frameGeometry().center() - periodBox_->rect().center());
  periodBox_->exec();
  services_.session.lastEntryDate = services_.clock.today();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    main_->setGeometry(screen->availableGeometry());
  main_->showMaximized();
}

void Application::backupFromOpening() {
  if (readSettings(false)) showBackup();
}

void Application::restoreFromOpening() {
  if (readSettings(true)) showRestore();
}

void Application::openBillingPeriod() {
  if (services_.session.billingPeriod.empty()) return;
  main_->setBillingPeriodLabel(
      QString::fromStdString(store::billingPeriodLabel(services_.session.billingPeriod)));
  const std::string problem = store::ensureBillingPeriodFolder(services_.session.folder());
  if (!problem.empty()) showMessage(main_.get(), {dialog::MessageKind::Error, problem});
  opening_->hide();
  // A closed month whose files changed since its final statements: said once, when the period is
  // first opened (a tab change opens it again without reading every file).
  if (!problem.empty() || sealChecked_ == services_.session.billingPeriod) return;
  sealChecked_ = services_.session.billingPeriod;
  try {
    if (closing::sealBroken(services_.session.folder()))
      showMessage(main_.get(), {dialog::MessageKind::Warning, closing::kSealBrokenWarning});
  } catch (const std::exception&) {
    // The folder is in use or unreadable: the next command reports it.
  }
}

void Application::changeBillingPeriod() {
  periodBox_->exec();
  openBillingPeriod();
}

void Application::runCommand(const shell::Command& command) {
  try {
    MessageBoxPrompter prompter(main_.get());
    const auto outcome =
        shell::runGuards(command, services_.session.dataFilesPath, services_.session.billingPeriod, prompter);
    showOutcome(main_.get(), outcome);
    if (outcome.closing != dialog::Closing::Ok) return;
    const auto dialog = commandDialogs_.find(command.dialog);
    if (dialog == commandDialogs_.end()) {
      showMessage(main_.get(), {dialog::MessageKind::Information,
                                "\"" + command.label + "\" is not available in this version yet."});
      return;
    }
    dialog->second(main_.get());
  } catch (const std::exception& error) {
    showMessage(main_.get(), {dialog::MessageKind::Error,
                              platform::toStored(QString::fromStdString(store::errorText(error)))});
  }
}

void Application::addCommandDialog(const std::string& dialogName, std::function<void(QWidget*)> open) {
  commandDialogs_[dialogName] = std::move(open);
}

void Application::showHelp(int page) {
  if (page < 0 || page >= static_cast<int>(helpPages_.size())) return;
  helpPages_[static_cast<std::size_t>(page)]->exec();
}
void Application::showAbout() {
  std::string dataFilesPath = services_.session.dataFilesPath;
  try {
    if (dataFilesPath.empty()) dataFilesPath = services_.settings.readString(services::kDataFilesPath);
  } catch (const std::exception&) {  // unreadable settings: said as not chosen
  }
  QWidget* parent = main_->isVisible() ? static_cast<QWidget*>(main_.get()) : opening_.get();
  showInformation(parent, QString::fromLatin1(shell::kAboutCaption),
                  shell::aboutText(kVersion, dataFilesPath, services_.settings.location()));
}
void Application::showBackup() { backup_->exec(); }
void Application::showRestore() { restore_->exec(); }
void Application::showReprint() {
  TReprintFinalStatementsForm form(services_, main_.get());
  form.exec();
}
void Application::showImportRecords() {
  TImportRecordsForm form(services_, main_.get());
  form.exec();
}

void Application::endProgram() {
  main_->hide();
  opening_->hide();
  QCoreApplication::quit();
}

}  // namespace vrk::ui
