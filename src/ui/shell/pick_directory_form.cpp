#include "ui/shell/pick_directory_form.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/directory_tree.h"

namespace vrk::ui {

TPickDirectoryForm::TPickDirectoryForm(QWidget* parent) : QDialog(parent), tree_(new DirectoryTree({}, this)) {
  setObjectName(QStringLiteral("TPickDirectoryForm"));
  setWindowTitle(QStringLiteral("VRK"));
  auto* heading = new QLabel(QStringLiteral("Select Location For Parent VRK Data Files Directory"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  auto* note = new QLabel(QStringLiteral("A folder named VRK DATA FILES will be made inside the folder you select."), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(tree_, 1);
  layout->addWidget(note);
  layout->addWidget(buttons);
  resize(520, 480);
}

QString TPickDirectoryForm::pickParent() {
  tree_->selectDirectory(QDir::homePath());
  return exec() == QDialog::Accepted ? tree_->selectedDirectory() : QString();
}

}  // namespace vrk::ui
