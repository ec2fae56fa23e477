#include "ui/common/vrk_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

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
  setWindowTitle(QStringLiteral("VRK"));  // until registration names the command
}

void VrkDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!keyboardPrepared_) prepareKeyboard();
  focusFirstBox();  // also when reopened: never where the focus was when it last closed
}

void VrkDialog::prepareKeyboard() {
  keyboardPrepared_ = true;
  for (auto* text : findChildren<QPlainTextEdit*>())
    text->setTabChangesFocus(true);  // Enter stays a new line
  for (auto* view : findChildren<QAbstractItemView*>()) view->setTabKeyNavigation(false);
  // A date box would walk its month, day and year with Tab: Tab goes on to the next box instead.
  for (auto* date : findChildren<QDateTimeEdit*>()) date->installEventFilter(this);
  // The buttons' Alt letters, and the button Enter presses.
  const std::pair<const char*, const char*> letters[] = {
      {"SaveButton", "&Save"},       {"PrintButton", "&Print"}, {"DeleteButton", "De&lete"},
      {"RestoreButton", "&Restore"}, {"OkButton", "&OK"},       {"DisplayButton", "&Display"},
      {"CancelButton", "&Cancel"},
  };
  QPushButton* preferred = nullptr;
  for (const auto& [name, text] : letters) {
    auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
    if (!button) continue;
    if (!button->text().contains(QLatin1Char('&'))) button->setText(QString::fromLatin1(text));
    if (!preferred && std::string_view(name) != "DisplayButton" && std::string_view(name) != "CancelButton")
      preferred = button;
  }
  // A button reached with Tab is the one Enter presses; elsewhere Enter presses the preferred one.
  for (auto* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
  if (preferred) preferred->setDefault(true);
  display_ = findChild<QPushButton*>(QStringLiteral("DisplayButton"));
  // The boxes before the Display button in the Tab chain are the selection part: Enter there
  // displays. An edit part after it keeps Enter for the default button, so Enter in its boxes
  // saves instead of displaying the record again over the user's changes.
  if (display_) {
    for (QWidget* w = nextInFocusChain(); w && w != this && w != display_; w = w->nextInFocusChain()) {
      auto* box = qobject_cast<QComboBox*>(w);
      if (!box && w->parentWidget()) box = qobject_cast<QComboBox*>(w->parentWidget());
      if (!box || !box->lineEdit()) continue;
      // A key typed on the keyboard reaches the combo box first, which hands it to its line edit
      // directly (past the line edit's filters); a key sent to the line edit skips the combo box.
      box->installEventFilter(this);
      box->lineEdit()->installEventFilter(this);
    }
  }
}

bool VrkDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && qobject_cast<QDateTimeEdit*>(watched)) {
    const auto key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      focusNextPrevChild(key == Qt::Key_Tab);
      return true;
    }
    return QDialog::eventFilter(watched, event);
  }
  if (event->type() == QEvent::KeyPress && display_ && display_->isEnabled()) {
    const auto key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      display_->click();  // Enter in the code box displays, as the Display button does
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void VrkDialog::focusFirstBox() {
  QWidget* fallback = nullptr;
  for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
    if (!w->isVisibleTo(this) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
    if (!qobject_cast<QAbstractButton*>(w)) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
    if (!fallback) fallback = w;
  }
  if (fallback) fallback->setFocus(Qt::TabFocusReason);
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
