// TPickDirectoryForm: the first run's choice of the folder that will hold VRK DATA FILES.
#pragma once

#include <QDialog>

namespace vrk::ui {

class DirectoryTree;

class TPickDirectoryForm : public QDialog {
  Q_OBJECT

 public:
  explicit TPickDirectoryForm(QWidget* parent = nullptr);

  // Opens at the user's home folder; the folder picked on OK, or an empty string on Cancel.
  QString pickParent();
  DirectoryTree* tree() const { return tree_; }

 private:
  DirectoryTree* tree_;
};

}  // namespace vrk::ui
