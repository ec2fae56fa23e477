// A tree of the file system's folders (in place of a drive list and a directory list), with the
// selected folder's path shown in a label and a New Folder button.
#pragma once

#include <QString>
#include <QWidget>

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace vrk::ui {

class DirectoryTree : public QWidget {
  Q_OBJECT

 public:
  // `caption` stands before the path in the label ("Currently Selected Path Is ").
  explicit DirectoryTree(const QString& caption = {}, QWidget* parent = nullptr);

  // Selects a folder and scrolls to it (again once its parents have been read from disk, and when
  // the tree is shown); a folder that does not exist selects the root of its file system.
  // Returns the folder selected.
  QString selectDirectory(const QString& path);

  // Makes a folder named `name` inside the selected one and selects it. Returns an empty text, or
  // a message for the user when the name cannot be a folder name or the folder cannot be made.
  QString createFolder(const QString& name);
  QString selectedDirectory() const { return selected_; }
  QTreeView* view() const { return view_; }
  QLabel* label() const { return label_; }
  QPushButton* newFolderButton() const { return newFolder_; }

 Q_SIGNALS:
  void directoryChanged(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void setSelected(const QString& path);
  void scrollToSelected();
  void askForNewFolder();

  QFileSystemModel* model_;
  QTreeView* view_;
  QLabel* label_;
  QPushButton* newFolder_;
  QString selected_;
  bool followSelected_ = false;
};

}  // namespace vrk::ui
