// The description box of the billing record dialogs and the editors: fixed-pitch, exactly its
// lines tall and a description line wide, and never holding more lines than the record keeps.
#pragma once

class QPlainTextEdit;
class QWidget;

namespace vrk::ui {

// Refuses a new line once the box holds `lines` lines, and cuts lines pasted past them.
QPlainTextEdit* descriptionBox(const char* name, int lines, QWidget* parent);

}  // namespace vrk::ui
