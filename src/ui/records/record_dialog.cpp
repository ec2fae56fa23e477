#include "ui/records/record_dialog.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace vrk::ui {

RecordDialog::RecordDialog(AppServices& services, QWidget* parent, const QString& objectName)
    : VrkDialog(services, parent) {
  setObjectName(objectName);
  setModal(true);
}

bool RecordDialog::reload() {
  const bool loaded = load([this] {
    makeLogic();
    prepareBoxes();
  });
  if (!loaded) dropLogic();
  return loaded;
}

int RecordDialog::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void RecordDialog::done(int result) {
  VrkDialog::done(result);
  dropLogic();
  for (auto* list : findChildren<QComboBox*>()) list->clear();
  for (auto* description : findChildren<QPlainTextEdit*>()) description->clear();
}

}  // namespace vrk::ui
