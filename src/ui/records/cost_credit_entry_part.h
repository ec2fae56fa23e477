// The boxes of a cost/credit record that the add dialog, the change dialog's edit part and the
// cost/credit records editor type into.
#pragma once

#include <QWidget>

#include "core/records/record_boxes.h"
#include "ui/records/record_key_boxes.h"

class QLineEdit;
class QPlainTextEdit;

namespace vrk::ui {

class KindChoice;

class CostCreditEntryPart : public QWidget {
  Q_OBJECT

 public:
  CostCreditEntryPart(EntryMode mode, ListsSource lists, QWidget* parent);

  // As on opening: the code list, a cost record, "$" in the amount box, no description.
  void reset(const matters::MatterLists& lists, const store::CalendarDate& date);
  // Every box empty (a cost record), the date given; the code list stays.
  void clear(const store::CalendarDate& date);
  void showRecord(const records::CostCreditBoxes& boxes);
  records::CostCreditBoxes boxes() const;

 private:
  RecordKeyBoxes keys_;
  KindChoice* kind_;
  QLineEdit* amount_;
  QPlainTextEdit* description_;
};

}  // namespace vrk::ui
