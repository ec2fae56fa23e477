#include "ui/common/directory_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/text_codec.h"
#include "ui/common/message_boxes.h"

namespace vrk::ui {

DirectoryTree::DirectoryTree(const QString& caption, QWidget* parent)
    : QWidget(parent),
      model_(new QFileSystemModel(this)),
      view_(new QTreeView(this)),
      label_(new QLabel(this)),
      newFolder_(new QPushButton(QStringLiteral("&New Folder..."), this)) {
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setRootPath(QDir::rootPath());
  view_->setObjectName(QStringLiteral("DirectoryTreeView"));
  view_->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) view_->hideColumn(column);
  view_->header()->hide();
  view_->setMinimumSize(360, 260);
  label_->setObjectName(QStringLiteral("SelectedPathLabel"));
  label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label_->setWordWrap(true);
  newFolder_->setObjectName(QStringLiteral("NewFolderButton"));
  newFolder_->setAutoDefault(false);

  auto* captionLabel = new QLabel(caption, this);
  captionLabel->setVisible(!caption.isEmpty());
  auto* under = new QHBoxLayout;
  under->addWidget(captionLabel);
  under->addWidget(label_, 1);
  under->addWidget(newFolder_, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  layout->addLayout(under);

  connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { setSelected(model_->filePath(current)); });
  // The model reads and sorts folders in the background, so the selected folder's row takes its
  // final place only later: until the user moves in the tree, each change brings it back in view.
  const auto followSelected = [this] {
    if (followSelected_) QTimer::singleShot(0, this, &DirectoryTree::scrollToSelected);
  };
  connect(model_, &QFileSystemModel::directoryLoaded, this, followSelected);
  connect(model_, &QAbstractItemModel::layoutChanged, this, followSelected);
  connect(model_, &QAbstractItemModel::rowsInserted, this, followSelected);
  connect(view_, &QAbstractItemView::pressed, this, [this] { followSelected_ = false; });
  connect(view_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { followSelected_ = false; });
  connect(newFolder_, &QPushButton::clicked, this, &DirectoryTree::askForNewFolder);
}

QString DirectoryTree::selectDirectory(const QString& path) {
  QString target = QDir::cleanPath(path);
  if (!QFileInfo(target).isDir()) target = QDir(QFileInfo(target).absoluteFilePath()).rootPath();
  const QModelIndex index = model_->index(target);
  if (index.isValid()) {
    view_->setCurrentIndex(index);
    view_->expand(index);
  }
  setSelected(target);
  followSelected_ = true;
  scrollToSelected();
  return target;
}

void DirectoryTree::setSelected(const QString& path) {
  if (path == selected_) return;
  selected_ = path;
  label_->setText(QDir::toNativeSeparators(path));
  Q_EMIT directoryChanged(path);
}

void DirectoryTree::scrollToSelected() {
  const QModelIndex index = model_->index(selected_);
  if (!index.isValid()) return;
  if (view_->currentIndex() != index) view_->setCurrentIndex(index);
  view_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void DirectoryTree::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Scrolling only takes effect once the view has its size.
  QTimer::singleShot(0, this, &DirectoryTree::scrollToSelected);
}

QString DirectoryTree::createFolder(const QString& name) {
  const QString trimmed = name.trimmed();
  static const QString kNotInNames = QStringLiteral("/\\:*?\"<>|");
  const bool unusable = trimmed.isEmpty() || trimmed == QLatin1String(".") || trimmed == QLatin1String("..") ||
                        std::any_of(trimmed.begin(), trimmed.end(),
                                    [](QChar c) { return kNotInNames.contains(c) || c.unicode() < 0x20; });
  if (unusable) return QStringLiteral("A folder name cannot be empty or hold any of / \\ : * ? \" < > |");
  const QDir parent(selected_);
  if (parent.exists(trimmed)) return QStringLiteral("The folder %1 already exists.").arg(QDir::toNativeSeparators(parent.filePath(trimmed)));
  const QModelIndex parentIndex = model_->index(selected_);
  const bool made = parentIndex.isValid() ? model_->mkdir(parentIndex, trimmed).isValid() : parent.mkdir(trimmed);
  if (!made)
    return QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(parent.filePath(trimmed)));
  selectDirectory(parent.filePath(trimmed));
  return {};
}

void DirectoryTree::askForNewFolder() {
  bool ok = false;
  const QString name = QInputDialog::getText(this, QStringLiteral("New Folder"),
                                             QStringLiteral("Name of the new folder in %1:").arg(QDir::toNativeSeparators(selected_)),
                                             QLineEdit::Normal, QStringLiteral("New Folder"), &ok);
  if (!ok) return;
  const QString problem = createFolder(name);
  if (!problem.isEmpty()) showMessage(this, {dialog::MessageKind::Error, platform::toStored(problem)});
}

}  // namespace vrk::ui
