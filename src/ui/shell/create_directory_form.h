// TCreateDirectoryForm: asks whether to create the data directory that does not exist yet.
#pragma once

#include <QDialog>

class QLabel;

namespace vrk::ui {

class TCreateDirectoryForm : public QDialog {
  Q_OBJECT

 public:
  explicit TCreateDirectoryForm(QWidget* parent = nullptr);

  // Shows the label and waits for Yes (true) or No (false).
  bool ask(const QString& label);
  QLabel* label() const { return label_; }

 private:
  QLabel* label_;
};

}  // namespace vrk::ui
