#include "ui/shell/create_directory_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vrk::ui {

TCreateDirectoryForm::TCreateDirectoryForm(QWidget* parent) : QDialog(parent), label_(new QLabel(this)) {
  setObjectName(QStringLiteral("TCreateDirectoryForm"));
  setWindowTitle(QStringLiteral("VRK"));
  label_->setObjectName(QStringLiteral("CreateDirectoryLabel"));
  label_->setTextFormat(Qt::PlainText);
  label_->setMinimumWidth(360);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
  buttons->button(QDialogButtonBox::Yes)->setObjectName(QStringLiteral("YesButton"));
  buttons->button(QDialogButtonBox::No)->setObjectName(QStringLiteral("NoButton"));
  connect(buttons->button(QDialogButtonBox::Yes), &QPushButton::clicked, this, &QDialog::accept);
  connect(buttons->button(QDialogButtonBox::No), &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(16);
  layout->addWidget(label_);
  layout->addWidget(buttons);
}

bool TCreateDirectoryForm::ask(const QString& label) {
  label_->setText(label);
  adjustSize();
  return exec() == QDialog::Accepted;
}

}  // namespace vrk::ui
