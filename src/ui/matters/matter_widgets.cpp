#include "ui/matters/matter_widgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "platform/text_codec.h"

namespace vrk::ui {

QComboBox* namedComboBox(const char* name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  return box;
}

QDateEdit* namedDatePicker(const char* name, QWidget* parent) {
  auto* picker = new QDateEdit(parent);
  picker->setObjectName(QString::fromLatin1(name));
  picker->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
  picker->setCalendarPopup(true);
  return picker;
}

QPlainTextEdit* namedMemo(const char* name, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setFixedHeight(90);
  return memo;
}

QPushButton* namedButton(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

void setStoredItems(QComboBox* box, const std::vector<std::string>& items) {
  box->clear();
  for (const auto& item : items) box->addItem(platform::fromStored(item));
  box->setCurrentIndex(-1);
  box->clearEditText();
}

std::vector<std::string> scheduleNumbers(int scheduleCount) {
  std::vector<std::string> numbers;
  for (int k = 1; k <= scheduleCount; ++k) numbers.push_back(std::to_string(k));
  return numbers;
}

void setListItems(const matters::MatterLists& lists, QComboBox* client, QComboBox* number,
                  QComboBox* attorney, QComboBox* schedule) {
  setStoredItems(client, lists.clientCodes);
  setStoredItems(number, {});
  setStoredItems(attorney, lists.attorneys);
  setStoredItems(schedule, scheduleNumbers(lists.scheduleCount));
}

void onClientLeft(QComboBox* client, QObject* context, const std::function<void()>& left) {
  QObject::connect(client->lineEdit(), &QLineEdit::editingFinished, context, left);
  QObject::connect(client, &QComboBox::activated, context, left);
}

QFormLayout* matterRows(const std::array<QWidget*, 10>& boxes, const QString& hoursLabel) {
  const QString labels[] = {QStringLiteral("Client Code"),
                            QStringLiteral("Matter Number"),
                            QStringLiteral("Matter Description (1 - 4 Lines)"),
                            QStringLiteral("Date Matter Created"),
                            QStringLiteral("Principal Attorney"),
                            QStringLiteral("Fee Schedule"),
                            hoursLabel,
                            QStringLiteral("Fees To Date For This Matter"),
                            QStringLiteral("Costs To Date For This Matter"),
                            QStringLiteral("Credits To Date For This Matter")};
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < boxes.size(); ++i) form->addRow(labels[i], boxes[i]);
  return form;
}

QFormLayout* MatterFieldBoxes::rows(const QString& hoursLabel) const {
  return matterRows({client, number, description, created, attorney, schedule, hours, fees, costs, credits},
                    hoursLabel);
}

void MatterFieldBoxes::show(const matters::MatterBoxes& boxes) const {
  client->setText(platform::fromStored(boxes.client));
  number->setText(platform::fromStored(boxes.number));
  setMemoLines(description, boxes.description);
  setPickedDate(created, boxes.dateCreated);
  attorney->setEditText(platform::fromStored(boxes.attorney));
  schedule->setEditText(platform::fromStored(boxes.feeSchedule));
  hours->setText(platform::fromStored(boxes.hours));
  fees->setText(platform::fromStored(boxes.fees));
  costs->setText(platform::fromStored(boxes.costs));
  credits->setText(platform::fromStored(boxes.credits));
}

void MatterFieldBoxes::clear(const store::CalendarDate& date) const {
  for (auto* edit : {client, number, hours, fees, costs, credits}) edit->clear();
  description->clear();
  setPickedDate(created, date);
  attorney->clearEditText();
  schedule->clearEditText();
}

matters::MatterBoxes MatterFieldBoxes::boxes() const {
  return {storedText(client),   storedText(number),   memoLines(description), pickedDate(created),
          storedText(attorney), storedText(schedule), storedText(hours),      storedText(fees),
          storedText(costs),    storedText(credits)};
}

QHBoxLayout* rightButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (auto* button : buttons) row->addWidget(button);
  return row;
}

std::string storedText(const QComboBox* box) { return platform::toStored(box->currentText()); }
std::string storedText(const QLineEdit* box) { return platform::toStored(box->text()); }

std::vector<std::string> memoLines(const QPlainTextEdit* memo) {
  std::vector<std::string> lines;
  for (const auto& line : memo->toPlainText().split(QLatin1Char('\n')))
    lines.push_back(platform::toStored(line));
  return lines;
}

void setMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
  std::size_t count = lines.size();
  while (count > 0 && lines[count - 1].empty()) --count;
  QStringList shown;
  for (std::size_t i = 0; i < count; ++i) shown.append(platform::fromStored(lines[i]));
  memo->setPlainText(shown.join(QLatin1Char('\n')));
}

store::CalendarDate pickedDate(const QDateEdit* picker) {
  const QDate date = picker->date();
  return {date.year(), date.month(), date.day()};
}

void setPickedDate(QDateEdit* picker, const store::CalendarDate& date) {
  picker->setDate(QDate(date.year, date.month, date.day));
}

void applyWriteBack(QWidget* dialog, const dialog::Outcome& outcome) {
  for (const auto& [name, text] : outcome.writeBack) {
    const QString objectName = QString::fromStdString(name);
    if (auto* edit = dialog->findChild<QLineEdit*>(objectName)) {
      edit->setText(platform::fromStored(text));
    } else if (auto* box = dialog->findChild<QComboBox*>(objectName)) {
      box->setEditText(platform::fromStored(text));
    }
  }
}

}  // namespace vrk::ui
