// A tree of the file system's folders (in place of a drive list and a directory list), with the
// selected folder's path shown in a label.
#pragma once

#include <QString>
#include <QWidget>

class QFileSystemModel;
class QLabel;
class QTreeView;

namespace vrk::ui {

class DirectoryTree : public QWidget {
  Q_OBJECT

 public:
  // `caption` stands before the path in the label ("Currently Selected Path Is ").
  explicit DirectoryTree(const QString& caption = {}, QWidget* parent = nullptr);

  // Selects a folder and scrolls to it; a folder that does not exist selects the root of its
  // file system. Returns the folder selected.
  QString selectDirectory(const QString& path);
  QString selectedDirectory() const { return selected_; }
  QTreeView* view() const { return view_; }
  QLabel* label() const { return label_; }

 Q_SIGNALS:
  void directoryChanged(const QString& path);

 private:
  void setSelected(const QString& path);

  QFileSystemModel* model_;
  QTreeView* view_;
  QLabel* label_;
  QString selected_;
};

}  // namespace vrk::ui
