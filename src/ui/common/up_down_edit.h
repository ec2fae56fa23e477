// A text box with up and down arrows: the arrows step a number within a range (no wrap-around),
// while typed text stays exactly as typed so the dialog's logic can judge it.
#pragma once

#include <QLineEdit>
#include <QWidget>

class QToolButton;

namespace vrk::ui {

class UpDownEdit : public QWidget {
  Q_OBJECT

 public:
  UpDownEdit(int minimum, int maximum, QWidget* parent = nullptr);

  QString text() const;
  void setText(const QString& text);
  QLineEdit* lineEdit() const { return edit_; }

  void stepUp() { step(1); }
  void stepDown() { step(-1); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void step(int delta);

  int minimum_;
  int maximum_;
  QLineEdit* edit_;
};

}  // namespace vrk::ui
