// A masked entry box for rates, amounts and hours ("$99,999.99", "$99,999,999.99", "999,999.9").
#pragma once

#include <QLineEdit>

namespace vrk::ui {

class MaskedEdit : public QLineEdit {
  Q_OBJECT

 public:
  // `mask` in Qt's input-mask syntax; blank positions show as underscores.
  MaskedEdit(const QString& mask, QWidget* parent = nullptr);

  static MaskedEdit* rate(QWidget* parent = nullptr);    // $99,999.99
  static MaskedEdit* amount(QWidget* parent = nullptr);  // $99,999,999.99
  static MaskedEdit* hours(QWidget* parent = nullptr);   // 999,999.9

  // The box's text as shown, every position present: literals kept and blank positions as
  // underscores ("$__,_25.00"). QLineEdit::text() would drop the blanks.
  QString maskText() const { return displayText(); }
  // Puts digits into the box from a plain number text ("250" -> "$00,250.00" in a rate box).
  void setNumber(double value);
  void clearToBlanks() { setText(QString()); }
};

}  // namespace vrk::ui
