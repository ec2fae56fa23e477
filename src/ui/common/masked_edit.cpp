#include "ui/common/masked_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "core/rules/box_text.h"

namespace vrk::ui {

MaskedEdit::MaskedEdit(const char* mask, QWidget* parent) : QLineEdit(parent), entry_(mask) {
  setFont(QFont(QStringLiteral("Monospace")));
  // Wide enough to show the whole mask, "$__,__1,500.__" included.
  setMinimumWidth(fontMetrics().horizontalAdvance(QString::fromLatin1(mask)) +
                  fontMetrics().averageCharWidth() * 2 + 12);
  setContextMenuPolicy(Qt::NoContextMenu);  // its paste and undo would bypass the figure
  setAcceptDrops(false);
  // A text a dialog puts into the box (QLineEdit::setText, an empty one too) is taken up as a
  // figure and shown in the box's form.
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (showing_) return;
    takeUpText();
    showEntry();
  });
  showEntry();
}

MaskedEdit* MaskedEdit::rate(QWidget* parent) { return new MaskedEdit(rules::kRateMask, parent); }
MaskedEdit* MaskedEdit::amount(QWidget* parent) { return new MaskedEdit(rules::kAmountMask, parent); }
MaskedEdit* MaskedEdit::hours(QWidget* parent) { return new MaskedEdit(rules::kHoursMask, parent); }

void MaskedEdit::clearToBlanks() {
  entry_.clear();
  showEntry();
}

void MaskedEdit::takeUpText() {
  const std::string shown = text().toStdString();
  if (shown != entry_.shown()) entry_.setText(shown);
}

void MaskedEdit::showEntry(bool edited) {
  const QString shown = QString::fromStdString(entry_.shown());
  const bool changed = text() != shown;
  showing_ = true;
  if (changed) setText(shown);
  showing_ = false;
  setCursorPosition(static_cast<int>(entry_.shownCursor()));
  if (changed && edited) Q_EMIT textEdited(shown);  // as QLineEdit says of the user's own edits
}

void MaskedEdit::typeText(const QString& typed) {
  takeUpText();
  if (hasSelectedText()) entry_.clear();  // typing over a selection replaces the figure
  for (const QChar c : typed)
    if (c.unicode() < 128) entry_.type(static_cast<char>(c.unicode()));
  showEntry(true);
}

void MaskedEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    typeText(QGuiApplication::clipboard()->text());
    return;
  }
  // Shortcuts (Ctrl or Alt with a key) and selecting with Shift change no figure.
  const bool shortcut = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
  const bool selecting = (event->modifiers() & Qt::ShiftModifier) && event->text().isEmpty();
  if (shortcut || selecting) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  takeUpText();
  const bool selected = hasSelectedText();
  switch (event->key()) {
    case Qt::Key_Backspace:
      selected ? entry_.clear() : entry_.backspace();
      break;
    case Qt::Key_Delete:
      selected ? entry_.clear() : entry_.deleteForward();
      break;
    case Qt::Key_Home:
      entry_.home();
      break;
    case Qt::Key_End:
      entry_.end();
      break;
    case Qt::Key_Left:
      entry_.left();
      break;
    case Qt::Key_Right:
      entry_.right();
      break;
    default:
      if (event->text().isEmpty() || !event->text().at(0).isPrint()) {
        QLineEdit::keyPressEvent(event);  // Tab, Enter, Escape and the like go to the dialog
        return;
      }
      typeText(event->text());
      return;
  }
  deselect();
  showEntry(true);
}

void MaskedEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (hasSelectedText()) return;
  takeUpText();
  entry_.placeCursor(static_cast<std::size_t>(cursorPosition()));
  setCursorPosition(static_cast<int>(entry_.shownCursor()));
}

void MaskedEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty()) typeText(event->commitString());
  event->accept();
}

}  // namespace vrk::ui
