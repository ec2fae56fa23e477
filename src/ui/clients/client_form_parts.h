// Small widgets the client dialogs build alike: heading, code and group combo boxes, buttons.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace vrk::ui::clientforms {

QLabel* dialogHeading(const QString& text, QWidget* parent);
QPushButton* namedButton(const QString& text, const QString& objectName, QWidget* parent);
// An editable combo box named `objectName`; its text turns to capitals on leaving when asked.
QComboBox* codeComboBox(const QString& objectName, bool capitals, QWidget* parent);
// Fills the list; the text becomes the first entry when asked, else empty.
void fillComboBox(QComboBox* box, const std::vector<std::string>& entries, bool showFirst);
std::string storedText(const QComboBox* box);

}  // namespace vrk::ui::clientforms
