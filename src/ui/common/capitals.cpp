#include "ui/common/capitals.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

namespace vrk::ui {
namespace {

// Upper-cases a line edit's text when it, or the widget holding the focus for it, loses the
// focus. An editable combo box keeps the focus itself and hands its line edit the focus events
// directly, past any event filter: so the combo box is the one watched.
class CapitalsOnLeave : public QObject {
 public:
  CapitalsOnLeave(QLineEdit* box, QWidget* focused) : QObject(box), box_(box), focused_(focused) {
    focused->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == focused_ && event->type() == QEvent::FocusOut) {
      const QString upper = box_->text().toUpper();
      if (upper != box_->text()) {
        box_->setText(upper);
        Q_EMIT box_->editingFinished();
      }
    }
    return false;
  }

 private:
  QLineEdit* box_;
  QWidget* focused_;
};

}  // namespace

void capitaliseOnLeave(QLineEdit* box) { new CapitalsOnLeave(box, box); }

void capitaliseOnLeave(QComboBox* editableBox) {
  if (editableBox->lineEdit()) {
    new CapitalsOnLeave(editableBox->lineEdit(), editableBox);
    new CapitalsOnLeave(editableBox->lineEdit(), editableBox->lineEdit());  // a focus-out sent to it
  }
}

}  // namespace vrk::ui
