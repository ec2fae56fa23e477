// What the edit parts of the review-and-change editors build alike: their base, labelled rows,
// line-limited description boxes, and the client code, matter number and date boxes of a record.
#pragma once

#include <QWidget>
#include <string>

#include "core/matters/matter_lists.h"
#include "core/store/dates.h"

class QComboBox;
class QDateEdit;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;

namespace vrk::ui::editors {

// The part of an editor that shows one record and is typed into before Save.
class EditPart : public QWidget {
 public:
  using QWidget::QWidget;

  // Every box empty, the date box at `today`; the lists loaded on opening stay.
  virtual void clear(const store::CalendarDate& today) = 0;
};

// The labelled rows of a part, with no margins of their own.
QFormLayout* partRows(QWidget* part);
QLineEdit* namedLine(const char* name, QWidget* parent);

// A fixed-pitch box exactly `lines` lines tall that never holds more: Enter on the last line is
// refused and pasted lines past it are cut.
QPlainTextEdit* descriptionBox(const char* name, int lines, QWidget* parent);

// The client code, matter number and date boxes of a time or cost/credit record. On leaving the
// client code box its text turns to capitals; a valid code lists its matter numbers with none
// chosen, and a code that fails the rule, or has no matters, leaves matter 0 in the matter box.
// Leaving the code as it was keeps the number shown.
class RecordKeyBoxes {
 public:
  explicit RecordKeyBoxes(QWidget* parent);
  RecordKeyBoxes(const RecordKeyBoxes&) = delete;
  RecordKeyBoxes& operator=(const RecordKeyBoxes&) = delete;

  QComboBox* client() const { return client_; }
  QComboBox* matter() const { return matter_; }
  QDateEdit* date() const { return date_; }

  void load(const matters::MatterLists& lists);  // on opening: every client code listed
  void clear(const store::CalendarDate& today);
  void show(const std::string& client, const std::string& matter, const store::CalendarDate& date);

 private:
  void clientLeft();

  matters::MatterLists lists_;
  QComboBox* client_;
  QComboBox* matter_;
  QDateEdit* date_;
  std::string listedClient_;  // whose numbers the matter list holds
};

}  // namespace vrk::ui::editors
