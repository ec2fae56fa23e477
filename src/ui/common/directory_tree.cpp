#include "ui/common/directory_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

namespace vrk::ui {

DirectoryTree::DirectoryTree(const QString& caption, QWidget* parent)
    : QWidget(parent), model_(new QFileSystemModel(this)), view_(new QTreeView(this)), label_(new QLabel(this)) {
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

  auto* captionLabel = new QLabel(caption, this);
  captionLabel->setVisible(!caption.isEmpty());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  layout->addWidget(captionLabel);
  layout->addWidget(label_);

  connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { setSelected(model_->filePath(current)); });
}

QString DirectoryTree::selectDirectory(const QString& path) {
  QString target = QDir::cleanPath(path);
  if (!QFileInfo(target).isDir()) target = QDir(QFileInfo(target).absoluteFilePath()).rootPath();
  const QModelIndex index = model_->index(target);
  if (index.isValid()) {
    view_->setCurrentIndex(index);
    view_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    view_->expand(index);
  }
  setSelected(target);
  return target;
}

void DirectoryTree::setSelected(const QString& path) {
  if (path == selected_) return;
  selected_ = path;
  label_->setText(QDir::toNativeSeparators(path));
  Q_EMIT directoryChanged(path);
}

}  // namespace vrk::ui
