#include "ui/editors/editor_widgets.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <cmath>

#include "core/records/record_fields.h"
#include "core/rules/input_rules.h"
#include "platform/text_codec.h"
#include "ui/common/capitals.h"
#include "ui/matters/matter_widgets.h"

namespace vrk::ui::editors {
namespace {

class LineLimit : public QObject {
 public:
  LineLimit(QPlainTextEdit* box, int lines) : QObject(box), box_(box), lines_(lines) {
    box->installEventFilter(this);
    connect(box, &QPlainTextEdit::textChanged, this, &LineLimit::cutSurplus);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return (key == Qt::Key_Return || key == Qt::Key_Enter) && box_->blockCount() >= lines_;
  }

 private:
  void cutSurplus() {
    QTextDocument* document = box_->document();
    if (document->blockCount() <= lines_) return;
    const QTextBlock last = document->findBlockByNumber(lines_ - 1);
    QTextCursor surplus(document);
    surplus.setPosition(last.position() + last.length() - 1);  // the end of the last line kept
    surplus.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    surplus.removeSelectedText();
  }

  QPlainTextEdit* box_;
  int lines_;
};

}  // namespace

QFormLayout* partRows(QWidget* part) {
  auto* rows = new QFormLayout(part);
  rows->setContentsMargins(0, 0, 0, 0);
  return rows;
}

QLineEdit* namedLine(const char* name, QWidget* parent) {
  auto* line = new QLineEdit(parent);
  line->setObjectName(QString::fromLatin1(name));
  return line;
}

QPlainTextEdit* descriptionBox(const char* name, int lines, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const QFontMetrics metrics(box->font());
  const int margins = static_cast<int>(std::ceil(2 * box->document()->documentMargin())) + 2 * box->frameWidth();
  box->setFixedHeight(metrics.lineSpacing() * lines + margins);
  box->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('W')) * static_cast<int>(records::kDescriptionWidth + 1) +
                       margins);
  new LineLimit(box, lines);
  return box;
}

RecordKeyBoxes::RecordKeyBoxes(QWidget* parent)
    : client_(namedComboBox("ClientCodeComboBox", parent)),
      matter_(namedComboBox("MatterNumberComboBox", parent)),
      date_(namedDatePicker("DateTimePicker1", parent)) {
  capitaliseOnLeave(client_);
  onClientLeft(client_, parent, [this] { clientLeft(); });
}

void RecordKeyBoxes::load(const matters::MatterLists& lists) {
  lists_ = lists;
  setStoredItems(client_, lists_.clientCodes);
}

void RecordKeyBoxes::clear(const store::CalendarDate& today) {
  client_->clearEditText();
  setStoredItems(matter_, {});
  listedClient_.clear();
  setPickedDate(date_, today);
}

void RecordKeyBoxes::show(const std::string& client, const std::string& matter, const store::CalendarDate& date) {
  client_->setEditText(platform::fromStored(client));
  setStoredItems(matter_, lists_.numbersOf(client));
  matter_->setEditText(platform::fromStored(matter));
  listedClient_ = client;
  setPickedDate(date_, date);
}

void RecordKeyBoxes::clientLeft() {
  const std::string code = rules::capitals(storedText(client_));
  if (code == listedClient_ && !code.empty()) return;
  listedClient_.clear();
  setStoredItems(matter_, {});
  if (rules::isClientCode(code)) {
    setStoredItems(matter_, lists_.numbersOf(code));
    listedClient_ = code;
  }
  if (matter_->count() == 0) matter_->setEditText(QStringLiteral("0"));
}

}  // namespace vrk::ui::editors
