#include "ui/common/up_down_edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace vrk::ui {

UpDownEdit::UpDownEdit(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), edit_(new QLineEdit(this)) {
  auto* up = new QToolButton(this);
  auto* down = new QToolButton(this);
  up->setArrowType(Qt::UpArrow);
  down->setArrowType(Qt::DownArrow);
  for (auto* button : {up, down}) {
    button->setFixedSize(18, 12);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
  }
  connect(up, &QToolButton::clicked, this, &UpDownEdit::stepUp);
  connect(down, &QToolButton::clicked, this, &UpDownEdit::stepDown);

  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->addWidget(up);
  arrows->addWidget(down);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  layout->addWidget(edit_);
  layout->addLayout(arrows);
  setFocusProxy(edit_);
  // A label's Alt letter moves the focus only to a buddy that takes the focus itself.
  setFocusPolicy(Qt::StrongFocus);
  edit_->installEventFilter(this);
}

bool UpDownEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      step(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

QString UpDownEdit::text() const { return edit_->text(); }
void UpDownEdit::setText(const QString& text) { edit_->setText(text); }

void UpDownEdit::step(int delta) {
  bool ok = false;
  const int value = edit_->text().trimmed().toInt(&ok);
  const int next = ok ? std::clamp(value + delta, minimum_, maximum_) : minimum_;
  edit_->setText(QString::number(next));
}

}  // namespace vrk::ui
