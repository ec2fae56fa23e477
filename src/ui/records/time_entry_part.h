// The boxes of a time record that the add dialog, the change dialog's edit part and the time
// records editor type into.
#pragma once

#include <QWidget>

#include "core/records/record_boxes.h"
#include "ui/records/record_key_boxes.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace vrk::ui {

class TimeEntryPart : public QWidget {
  Q_OBJECT

 public:
  TimeEntryPart(EntryMode mode, ListsSource lists, QWidget* parent);

  // As on opening: the code and attorney lists, empty boxes, "$" in the rate box.
  void reset(const matters::MatterLists& lists, const store::CalendarDate& date);
  // Every box empty, the date given; the lists stay.
  void clear(const store::CalendarDate& date);
  void showRecord(const records::TimeBoxes& boxes);
  records::TimeBoxes boxes() const;

 private:
  RecordKeyBoxes keys_;
  QComboBox* attorney_;
  QLineEdit* time_;
  QLineEdit* rate_;
  QPlainTextEdit* description_;
};

}  // namespace vrk::ui
