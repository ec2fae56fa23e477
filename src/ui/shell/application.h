// Creates the windows once, in order, and runs start-up, the main window's commands and the exit.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/shell/commands.h"
#include "ui/common/app_services.h"

namespace vrk::ui {

class TOpeningForm;
class TClientsForm;
class TBillingPeriodQueryBox;
class TPickDirectoryForm;
class TCreateDirectoryForm;
class TInvoiceNumberQueryBox;
class TBackupDataFilesForm;
class TRestoreDataFilesForm;
class HelpPageForm;

class Application : public QObject {
  Q_OBJECT

 public:
  explicit Application(AppServices& services);
  ~Application() override;

  // Shows the opening window (and warns when the screen is smaller than 1024 by 768).
  void start();

  // Continue on the opening window: settings or first-run setup, billing period, main window.
  void continueStartUp();
  void backupFromOpening();
  void restoreFromOpening();
  // A main-window command: its guards, then its dialog.
  void runCommand(const shell::Command& command);
  void changeBillingPeriod();
  // Sets the main window's label and makes sure the period's folder exists.
  void openBillingPeriod();
  void showHelp(int page);
  // Help > About: the version, the data directory and the settings file in use.
  void showAbout();
  void endProgram();

  // The dialog of each command, by its class name; a command without one says so.
  void addCommandDialog(const std::string& dialogName, std::function<void(QWidget* parent)> open);

  TOpeningForm* openingForm() const { return opening_.get(); }
  TClientsForm* mainWindow() const { return main_.get(); }
  TBillingPeriodQueryBox* billingPeriodBox() const { return periodBox_.get(); }
  TPickDirectoryForm* pickDirectoryForm() const { return pickDirectory_.get(); }
  TCreateDirectoryForm* createDirectoryForm() const { return createDirectory_.get(); }
  TInvoiceNumberQueryBox* invoiceNumberBox() const { return invoiceNumber_.get(); }
  TBackupDataFilesForm* backupForm() const { return backup_.get(); }
  TRestoreDataFilesForm* restoreForm() const { return restore_.get(); }

 private:
  bool readSettings(bool restoring);
  void showBackup();
  void showRestore();
  void showImportRecords();
  void showReprint();

  AppServices& services_;
  std::unique_ptr<TOpeningForm> opening_;
  std::unique_ptr<TClientsForm> main_;
  std::unique_ptr<TBillingPeriodQueryBox> periodBox_;
  std::unique_ptr<TPickDirectoryForm> pickDirectory_;
  std::unique_ptr<TCreateDirectoryForm> createDirectory_;
  std::unique_ptr<TInvoiceNumberQueryBox> invoiceNumber_;
  std::unique_ptr<TBackupDataFilesForm> backup_;
  std::unique_ptr<TRestoreDataFilesForm> restore_;
  std::vector<std::unique_ptr<HelpPageForm>> helpPages_;  // in the order of the Help menu
  std::map<std::string, std::function<void(QWidget*)>> commandDialogs_;
  std::string sealChecked_;  // the billing period whose seal was checked on opening
};

}  // namespace vrk::ui
