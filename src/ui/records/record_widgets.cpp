#include "ui/records/record_widgets.h"

#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "ui/matters/matter_widgets.h"

namespace vrk::ui::recordforms {
namespace {

// Watches the combo box, which holds the focus for its line edit and hands it its focus events
// directly (past event filters), and the line edit, for a focus-out sent to it.
class LeaveWatch : public QObject {
 public:
  LeaveWatch(QComboBox* box, std::function<void()> left) : QObject(box), left_(std::move(left)) {
    box->installEventFilter(this);
    if (box->lineEdit()) box->lineEdit()->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) left_();
    }
    return false;
  }

 private:
  std::function<void()> left_;
};

}  // namespace

QLineEdit* namedEdit(const char* name, QWidget* parent, bool readOnly) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setReadOnly(readOnly);
  return edit;
}

QPushButton* cancelButton(QDialog* dialog) {
  auto* cancel = namedButton(QStringLiteral("Cancel"), "CancelButton", dialog);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return cancel;
}

QGroupBox* titledGroup(const QString& title, QWidget* content, QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(content);
  return group;
}

void layOutRecordForm(QDialog* dialog, const QString& heading, std::initializer_list<QWidget*> parts,
                      std::initializer_list<QPushButton*> buttons) {
  auto* title = new QLabel(heading, dialog);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(title);
  for (auto* part : parts) layout->addWidget(part);
  layout->addLayout(rightButtonRow(buttons));
}

QFormLayout* partRows(QWidget* part) {
  auto* rows = new QFormLayout(part);
  rows->setContentsMargins(0, 0, 0, 0);
  return rows;
}

void fillList(QComboBox* box, const std::vector<std::string>& items, bool showFirst) {
  setStoredItems(box, items);
  if (showFirst && box->count() > 0) box->setCurrentIndex(0);
}

records::DateChoice dateChoice(const QComboBox* box) {
  records::DateChoice choice{storedText(box), std::nullopt};
  const int index = box->currentIndex();
  if (index >= 0 && box->itemText(index) == box->currentText())
    choice.index = static_cast<std::size_t>(index);
  return choice;
}

void onLeave(QComboBox* box, QObject* context, std::function<void()> left) {
  new LeaveWatch(box, left);
  QObject::connect(box, &QComboBox::activated, context, std::move(left));
}

}  // namespace vrk::ui::recordforms
