// Widgets the matter dialogs share: named boxes, their lists and rows, and texts in and out of them.
#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QString>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/matters/matter_boxes.h"
#include "core/matters/matter_lists.h"
#include "core/store/dates.h"

class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace vrk::ui {

QComboBox* namedComboBox(const char* name, QWidget* parent);    // editable
QDateEdit* namedDatePicker(const char* name, QWidget* parent);  // MM/dd/yyyy
QPlainTextEdit* namedMemo(const char* name, QWidget* parent);
QPushButton* namedButton(const QString& text, const char* name, QWidget* parent);

// Replaces a combo box's list with stored texts; its text stays empty.
void setStoredItems(QComboBox* box, const std::vector<std::string>& items);
// The fee schedule numbers 1 to N.
std::vector<std::string> scheduleNumbers(int scheduleCount);
// Fills the client code, attorney and fee schedule lists; the matter number list stays empty.
void setListItems(const matters::MatterLists& lists, QComboBox* client, QComboBox* number,
                  QComboBox* attorney, QComboBox* schedule);
// Runs `left` when the user leaves the client code box or picks a code from its list.
void onClientLeft(QComboBox* client, QObject* context, const std::function<void()>& left);

// The hours row's label in the change, delete and display dialogs (the add dialog has two blanks
// before "For").
inline constexpr const char* kHoursLabel = "Hours To Date For This Matter";
// The labelled rows of a matter's boxes: client code, matter number, description, date created,
// principal attorney, fee schedule, then hours, fees, costs and credits to date.
QFormLayout* matterRows(const std::array<QWidget*, 10>& boxes, const QString& hoursLabel);
// A matter's ten boxes in matterRows' order, laid out, shown, emptied and read together.
struct MatterFieldBoxes {
  QLineEdit* client;
  QLineEdit* number;
  QPlainTextEdit* description;
  QDateEdit* created;
  QComboBox* attorney;
  QComboBox* schedule;
  QLineEdit* hours;
  QLineEdit* fees;
  QLineEdit* costs;
  QLineEdit* credits;

  QFormLayout* rows(const QString& hoursLabel) const;  // matterRows of these boxes
  void show(const matters::MatterBoxes& boxes) const;
  // Every box empty, the date given; the attorney and fee schedule lists stay.
  void clear(const store::CalendarDate& date) const;
  matters::MatterBoxes boxes() const;
};

// The dialog's buttons at the right.
QHBoxLayout* rightButtonRow(std::initializer_list<QPushButton*> buttons);

std::string storedText(const QComboBox* box);
std::string storedText(const QLineEdit* box);
std::vector<std::string> memoLines(const QPlainTextEdit* memo);
void setMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);
store::CalendarDate pickedDate(const QDateEdit* picker);
void setPickedDate(QDateEdit* picker, const store::CalendarDate& date);

// Writes an outcome's normalised texts into the named boxes (line edits or editable combo boxes).
void applyWriteBack(QWidget* dialog, const dialog::Outcome& outcome);

}  // namespace vrk::ui
