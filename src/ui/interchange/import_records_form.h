// TImportRecordsForm (File > Import Records…): the kind of records, the CSV file with a preview of
// its first rows, and Import, which reports the count imported or lists each row with a problem.
#pragma once

#include "ui/common/vrk_dialog.h"

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace vrk::ui {

class TImportRecordsForm : public VrkDialog {
  Q_OBJECT

 public:
  TImportRecordsForm(AppServices& services, QWidget* parent = nullptr);

  // Shows the file's first rows (or why it cannot be read) in the preview box.
  void showPreview();
  void import();

 private:
  void browse();

  QRadioButton* time_;
  QRadioButton* costCredit_;
  QRadioButton* payment_;
  QLineEdit* file_;
  QPlainTextEdit* preview_;
};

}  // namespace vrk::ui
