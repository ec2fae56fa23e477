// The delete dialog's read-only view of a cost/credit record.
#pragma once

#include <QWidget>
#include <string>

#include "core/records/record_boxes.h"

class QLineEdit;
class QPlainTextEdit;

namespace vrk::ui {

class KindChoice;

class CostCreditShown : public QWidget {
  Q_OBJECT

 public:
  explicit CostCreditShown(QWidget* parent);

  void clear();
  // `dateText`: the date list's entry that was chosen.
  void showRecord(const records::CostCreditBoxes& boxes, const std::string& dateText);

 private:
  QLineEdit* client_;
  QLineEdit* matter_;
  QLineEdit* date_;
  KindChoice* kind_;
  QLineEdit* amount_;
  QPlainTextEdit* description_;
};

}  // namespace vrk::ui
