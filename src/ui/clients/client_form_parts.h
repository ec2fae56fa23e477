// What the client dialogs build alike: heading, code and group combo boxes, buttons, the layout.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/clients/client_display.h"

class QComboBox;
class QDialog;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vrk::ui {
class ClientFieldsPanel;
}

namespace vrk::ui::clientforms {

QLabel* dialogHeading(const QString& text, QWidget* parent);
QPushButton* namedButton(const QString& text, const QString& objectName, QWidget* parent);
// An editable combo box named `objectName`; its text turns to capitals on leaving when asked.
inline constexpr int kClientCodeCharacters = 7;
inline constexpr int kClientGroupCharacters = 1;

// Holds at most `characters` and is wide enough to show them.
void fitCodeBox(QComboBox* box, int characters);
QComboBox* codeComboBox(const QString& objectName, bool capitals, QWidget* parent);
// Fills the list; the text becomes the first entry when asked, else empty.
void fillComboBox(QComboBox* box, const std::vector<std::string>& entries, bool showFirst);
std::string storedText(const QComboBox* box);

// "Cancel", which closes `dialog` with Cancel.
QPushButton* cancelButton(QDialog* dialog);
// The buttons row of a print dialog, at the right: "Print" (`PrintButton`), which calls `print`,
// and Cancel.
QHBoxLayout* printCancelRow(QDialog* dialog, const std::function<void()>& print);
// The box showing the displayed client's code, `ClientCodeEditBox`; read-only when asked.
// The client code box of a change or display: capitals on leaving when it can be typed in.
QLineEdit* shownCodeBox(bool readOnly, QWidget* parent);
// The code row of the dialogs that display a client first: "Client Code", the code box, Display,
// then at the right the shown code's box, after its label when there is one.
QHBoxLayout* displayRow(QComboBox* code, QPushButton* display, QLineEdit* shownCode,
                        const QString& shownLabel, QWidget* parent);
// Lays out a client dialog: its heading in bold, the code row, the fields, the buttons at the right.
void layOutClientForm(QWidget* dialog, const QString& heading, QLayout* codeRow, QWidget* fields,
                      std::initializer_list<QPushButton*> buttons);
// Shows the displayed client, when there is one, in the fields and its code in `shownCode`.
void showDisplayed(const std::optional<clients::DisplayedClient>& shown, ClientFieldsPanel* fields,
                   QLineEdit* shownCode);

}  // namespace vrk::ui::clientforms
