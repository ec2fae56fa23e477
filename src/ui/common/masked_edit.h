// A masked entry box for rates, amounts and hours ("$99,999.99", "$99,999,999.99", "999,999.9"):
// a figure typed into it means what it says (see core/rules/figure_entry.h).
#pragma once

#include <QLineEdit>

#include "core/rules/figure_entry.h"

namespace vrk::ui {

class MaskedEdit : public QLineEdit {
  Q_OBJECT

 public:
  // `mask` as in core/rules/box_text.h; blank positions show as underscores.
  MaskedEdit(const char* mask, QWidget* parent = nullptr);

  static MaskedEdit* rate(QWidget* parent = nullptr);    // $99,999.99
  static MaskedEdit* amount(QWidget* parent = nullptr);  // $99,999,999.99
  static MaskedEdit* hours(QWidget* parent = nullptr);   // 999,999.9

  // The box's text as shown, every position present: literals kept and blank positions as
  // underscores ("$__,_25.00"), as the reading rules of core/rules/masked_box.h take it.
  QString maskText() const { return text(); }
  void clearToBlanks();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Takes up a text a dialog put into the box (QLineEdit::setText), then shows the entry.
  void takeUpText();
  // `edited`: the user's keys changed it, and textEdited tells the dialog.
  void showEntry(bool edited = false);
  void typeText(const QString& typed);

  rules::FigureEntry entry_;
  bool showing_ = false;
};

}  // namespace vrk::ui
