// Widgets the matter dialogs share: named boxes, their lists, and moving texts in and out of them.
#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QString>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/store/dates.h"

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

std::string storedText(const QComboBox* box);
std::string storedText(const QLineEdit* box);
std::vector<std::string> memoLines(const QPlainTextEdit* memo);
void setMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);
store::CalendarDate pickedDate(const QDateEdit* picker);
void setPickedDate(QDateEdit* picker, const store::CalendarDate& date);

// Writes an outcome's normalised texts into the named boxes (line edits or editable combo boxes).
void applyWriteBack(QWidget* dialog, const dialog::Outcome& outcome);

}  // namespace vrk::ui
