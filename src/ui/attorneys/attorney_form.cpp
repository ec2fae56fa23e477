#include "ui/attorneys/attorney_form.h"

#include <QShowEvent>

namespace vrk::ui {

AttorneyForm::AttorneyForm(AppServices& services, QWidget* parent) : VrkDialog(services, parent) {
  setModal(true);
}

void AttorneyForm::done(int result) {
  closeDown();
  VrkDialog::done(result);
}

void AttorneyForm::showEvent(QShowEvent* event) {
  VrkDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (!load([this] { openRegister(); }))
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

}  // namespace vrk::ui
