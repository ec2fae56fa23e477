// Text typed into code, group and initials boxes turns to capitals when the box is left.
#pragma once

class QComboBox;
class QLineEdit;

namespace vrk::ui {

void capitaliseOnLeave(QLineEdit* box);
void capitaliseOnLeave(QComboBox* editableBox);

}  // namespace vrk::ui
