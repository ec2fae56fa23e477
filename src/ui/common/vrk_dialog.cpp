#include "ui/common/vrk_dialog.h"

#include "core/store/store_error.h"
#include "platform/text_codec.h"
#include "ui/common/message_boxes.h"

namespace vrk::ui {
namespace {

dialog::Message fileError(const std::exception& error) {
  return {dialog::MessageKind::Error, platform::toStored(QString::fromStdString(store::errorText(error)))};
}

}  // namespace

VrkDialog::VrkDialog(AppServices& services, QWidget* parent) : QDialog(parent), services_(services) {
  setWindowTitle(QStringLiteral("VRK"));
}

dialog::Outcome VrkDialog::act(const std::function<dialog::Outcome()>& logic) {
  dialog::Outcome outcome;
  try {
    outcome = logic();
  } catch (const std::exception& error) {
    showMessage(this, fileError(error));
    return {};
  }
  showOutcome(this, outcome);
  if (outcome.closing == dialog::Closing::Ok) accept();
  if (outcome.closing == dialog::Closing::Cancel) reject();
  return outcome;
}

bool VrkDialog::load(const std::function<void()>& work) {
  try {
    work();
    return true;
  } catch (const std::exception& error) {
    showMessage(this, fileError(error));
    return false;
  }
}

}  // namespace vrk::ui
