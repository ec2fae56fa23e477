// What the billing record dialogs build alike: the heading and layout, named text boxes, combo
// box lists, the date list's choice, and when a combo box is left.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/records/record_selection.h"

class QComboBox;
class QDialog;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QObject;
class QPushButton;
class QWidget;

namespace vrk::ui::recordforms {

// A line edit named `name`; `readOnly` for the boxes that only show a record.
QLineEdit* namedEdit(const char* name, QWidget* parent, bool readOnly = false);
// "Cancel", which closes `dialog` without writing.
QPushButton* cancelButton(QDialog* dialog);
// A group box with a title around `content`.
QGroupBox* titledGroup(const QString& title, QWidget* content, QWidget* parent);

// Lays out a record dialog: its heading in bold, its parts from top to bottom, the buttons at the
// right.
void layOutRecordForm(QDialog* dialog, const QString& heading, std::initializer_list<QWidget*> parts,
                      std::initializer_list<QPushButton*> buttons);
// The labelled rows of a part, with no margins of their own.
QFormLayout* partRows(QWidget* part);

// Replaces a combo box's list; its text becomes the first entry when asked and there is one, else
// stays empty.
void fillList(QComboBox* box, const std::vector<std::string>& items, bool showFirst);
// The date list's text, and which entry is chosen when the text is that entry's.
records::DateChoice dateChoice(const QComboBox* box);

// Runs `left` when the focus moves from the box to another box of the dialog, or an entry is
// picked from its list; not when its own list opens or another window takes the focus. Install
// it before capitaliseOnLeave so that the text is in capitals by the time `left` runs.
void onLeave(QComboBox* box, QObject* context, std::function<void()> left);

}  // namespace vrk::ui::recordforms
