#include "ui/common/description_box.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "core/matters/matter_record.h"
#include "core/records/record_fields.h"

namespace vrk::ui {
namespace {

// A matter's description lines are as wide as a billing record's.
static_assert(matters::kDescriptionWidth == records::kDescriptionWidth);

class LineLimit : public QObject {
 public:
  LineLimit(QPlainTextEdit* box, int lines) : QObject(box), box_(box), lines_(lines) {
    box->installEventFilter(this);
    connect(box, &QPlainTextEdit::textChanged, this, &LineLimit::cut);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    // A new line past the last is refused (and Enter does not reach the dialog's buttons either).
    return (key == Qt::Key_Return || key == Qt::Key_Enter) && box_->blockCount() >= lines_;
  }

 private:
  // Pasted text may still bring more lines: those past the last go.
  void cut() {
    QTextDocument* document = box_->document();
    if (document->blockCount() <= lines_) return;
    const QTextBlock last = document->findBlockByNumber(lines_ - 1);
    QTextCursor surplus(document);
    surplus.setPosition(last.position() + last.length() - 1);
    surplus.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    surplus.removeSelectedText();
  }

  QPlainTextEdit* box_;
  int lines_;
};

}  // namespace

QPlainTextEdit* descriptionBox(const char* name, int lines, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const QFontMetrics metrics(box->font());
  const int margins =
      static_cast<int>(std::ceil(2 * box->document()->documentMargin())) + 2 * box->frameWidth();
  box->setFixedHeight(metrics.lineSpacing() * lines + margins);
  box->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('W')) *
                           static_cast<int>(records::kDescriptionWidth + 1) +
                       margins);
  new LineLimit(box, lines);
  return box;
}

}  // namespace vrk::ui
