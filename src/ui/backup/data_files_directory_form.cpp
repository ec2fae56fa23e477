#include "ui/backup/data_files_directory_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/store/store_error.h"
#include "core/text/cp1252.h"
#include "ui/common/directory_tree.h"
#include "ui/common/message_boxes.h"

namespace vrk::ui {

DataFilesDirectoryForm::DataFilesDirectoryForm(const Texts& texts, QWidget* parent)
    : QDialog(parent),
      tree_(new DirectoryTree(texts.selectedCaption, this)),
      progress_(new QProgressBar(this)),
      action_(new QPushButton(texts.actionButton, this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setWindowTitle(QStringLiteral("VRK"));
  setModal(true);

  progress_->setObjectName(QStringLiteral("CopyProgressBar"));
  progress_->setRange(0, backup::kCopyDone);
  progress_->hide();
  action_->setObjectName(texts.actionButtonName);
  action_->setDefault(true);
  cancel_->setObjectName(QStringLiteral("CancelButton"));
  connect(action_, &QPushButton::clicked, this, &DataFilesDirectoryForm::runAction);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(action_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(texts.heading, this));
  layout->addWidget(tree_, 1);
  layout->addWidget(progress_);
  layout->addLayout(buttons);
}

void DataFilesDirectoryForm::selectDirectory(const QString& path) { tree_->selectDirectory(path); }

QString DataFilesDirectoryForm::selectedDirectory() const { return tree_->selectedDirectory(); }

void DataFilesDirectoryForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) prepareOpening();
}

// Each opening: the progress bar hidden, the last backup directory (or a root) selected.
void DataFilesDirectoryForm::prepareOpening() {
  progress_->hide();
  progress_->setValue(0);
  QString directory = QDir::rootPath();
  try {
    directory = QString::fromStdString(openingDirectory());
  } catch (const std::exception& error) {
    showMessage(this, {dialog::MessageKind::Error, text::cp1252FromUtf8(store::errorText(error))});
  }
  selectDirectory(directory);
}

void DataFilesDirectoryForm::runAction() {
  action_->setEnabled(false);
  cancel_->setEnabled(false);
  MessageBoxPrompter prompter(this);
  const backup::CopySteps steps = [this](int step) {
    progress_->show();
    progress_->setValue(step);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  dialog::Outcome outcome;
  try {
    outcome = act(selectedDirectory().toStdString(), prompter, steps);
  } catch (const std::exception& error) {
    outcome.error(text::cp1252FromUtf8(store::errorText(error)));
    outcome.closing = dialog::Closing::Stay;
  }
  showOutcome(this, outcome);
  action_->setEnabled(true);
  cancel_->setEnabled(true);
  if (outcome.closing == dialog::Closing::Ok) {
    accept();
  } else if (outcome.closing == dialog::Closing::Cancel) {
    reject();
  } else {
    progress_->hide();
    progress_->setValue(0);
  }
}

}  // namespace vrk::ui
