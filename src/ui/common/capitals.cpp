#include "ui/common/capitals.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

namespace vrk::ui {
namespace {

// Upper-cases a line edit's text when it loses the focus.
class CapitalsOnLeave : public QObject {
 public:
  CapitalsOnLeave(QLineEdit* box) : QObject(box), box_(box) { box->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == box_ && event->type() == QEvent::FocusOut) {
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
};

}  // namespace

void capitaliseOnLeave(QLineEdit* box) { new CapitalsOnLeave(box); }

void capitaliseOnLeave(QComboBox* editableBox) {
  if (editableBox->lineEdit()) new CapitalsOnLeave(editableBox->lineEdit());
}

}  // namespace vrk::ui
