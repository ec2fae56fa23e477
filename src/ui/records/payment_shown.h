// A payment shown read-only: the delete dialog's record and the change dialog's former record.
#pragma once

#include <QWidget>
#include <string>

#include "core/records/record_boxes.h"

class QLineEdit;

namespace vrk::ui {

class PaymentShown : public QWidget {
  Q_OBJECT

 public:
  // `namePrefix` goes before the boxes' object names ("Former": FormerClientCodeEditBox).
  PaymentShown(const QString& namePrefix, QWidget* parent);

  void clear();
  // `dateText`: the date list's entry that was chosen.
  void showRecord(const records::PaymentBoxes& boxes, const std::string& dateText);

 private:
  QLineEdit* client_;
  QLineEdit* date_;
  QLineEdit* amount_;
};

}  // namespace vrk::ui
