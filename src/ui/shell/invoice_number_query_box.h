// TInvoiceNumberQueryBox: the first run's first invoice number.
#pragma once

#include <QDialog>
#include <optional>

#include "core/shell/start_up.h"

namespace vrk::ui {

class UpDownEdit;

class TInvoiceNumberQueryBox : public QDialog {
  Q_OBJECT

 public:
  explicit TInvoiceNumberQueryBox(QWidget* parent = nullptr);

  // Starts at 1; the number on OK, nothing on Cancel.
  std::optional<int> ask();
  UpDownEdit* numberEdit() const { return number_; }
  void ok();

 private:
  shell::InvoiceNumberQuery query_;
  UpDownEdit* number_;
};

}  // namespace vrk::ui
