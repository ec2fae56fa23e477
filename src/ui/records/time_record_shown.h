// The delete dialog's read-only view of a time record.
#pragma once

#include <QWidget>
#include <string>

#include "core/records/record_boxes.h"

class QLineEdit;
class QPlainTextEdit;

namespace vrk::ui {

class TimeRecordShown : public QWidget {
  Q_OBJECT

 public:
  explicit TimeRecordShown(QWidget* parent);

  void clear();
  // `dateText`: the date list's entry that was chosen.
  void showRecord(const records::TimeBoxes& boxes, const std::string& dateText);

 private:
  QLineEdit* client_;
  QLineEdit* matter_;
  QLineEdit* date_;
  QLineEdit* attorney_;
  QLineEdit* time_;
  QLineEdit* rate_;
  QPlainTextEdit* description_;
};

}  // namespace vrk::ui
