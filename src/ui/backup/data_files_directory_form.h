// The window both backup and restore share: a directory tree, the selected directory, progress.
#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "core/backup/copy_steps.h"
#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"

class QProgressBar;
class QPushButton;
class QShowEvent;

namespace vrk::ui {

class DirectoryTree;

class DataFilesDirectoryForm : public QDialog {
  Q_OBJECT

 public:
  // Selects a directory in the tree and shows it after "Currently Selected ... Is"; a directory
  // that does not exist selects the root of its file system.
  void selectDirectory(const QString& path);
  QString selectedDirectory() const;

 protected:
  struct Texts {
    QString heading;          // above the tree
    QString selectedCaption;  // before the selected directory
    QString actionButton;     // "Save" or "Restore"
    QString actionButtonName;
  };

  DataFilesDirectoryForm(const Texts& texts, QWidget* parent);

  // The directory selected on opening (UTF-8).
  virtual std::string openingDirectory() = 0;
  // The core's answer to the action button for the selected directory (UTF-8).
  virtual dialog::Outcome act(const std::string& directory, dialog::Prompter& prompter,
                              const backup::CopySteps& steps) = 0;

  void showEvent(QShowEvent* event) override;

 private:
  void prepareOpening();
  void runAction();

  DirectoryTree* tree_;
  QProgressBar* progress_;
  QPushButton* action_;
  QPushButton* cancel_;
};

}  // namespace vrk::ui
