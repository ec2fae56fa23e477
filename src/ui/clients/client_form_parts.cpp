#include "ui/clients/client_form_parts.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "ui/clients/client_fields_panel.h"
#include "ui/common/capitals.h"

namespace vrk::ui::clientforms {

QLabel* dialogHeading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QPushButton* namedButton(const QString& text, const QString& objectName, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  return button;
}

void fitCodeBox(QComboBox* box, int characters) {
  box->lineEdit()->setMaxLength(characters);
  // Wide enough for the widest code ("WWWWWWW") next to the drop-down arrow.
  box->setMinimumContentsLength(characters + 1);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

QComboBox* codeComboBox(const QString& objectName, bool capitals, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(objectName);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  fitCodeBox(box, kClientCodeCharacters);
  if (capitals) capitaliseOnLeave(box);
  return box;
}

void fillComboBox(QComboBox* box, const std::vector<std::string>& entries, bool showFirst) {
  box->clear();
  for (const auto& entry : entries) box->addItem(platform::fromStored(entry));
  box->setCurrentIndex(showFirst && !entries.empty() ? 0 : -1);
  if (!showFirst || entries.empty()) box->setEditText(QString());
}

std::string storedText(const QComboBox* box) { return platform::toStored(box->currentText()); }

QPushButton* cancelButton(QDialog* dialog) {
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), dialog);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return cancel;
}

QHBoxLayout* printCancelRow(QDialog* dialog, const std::function<void()>& print) {
  auto* printButton = namedButton(QStringLiteral("Print"), QStringLiteral("PrintButton"), dialog);
  QObject::connect(printButton, &QPushButton::clicked, dialog, print);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(printButton);
  buttons->addWidget(cancelButton(dialog));
  return buttons;
}

QLineEdit* shownCodeBox(bool readOnly, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QStringLiteral("ClientCodeEditBox"));
  box->setReadOnly(readOnly);
  box->setMaxLength(kClientCodeCharacters);
  box->setMinimumWidth(
      box->fontMetrics().horizontalAdvance(QString(kClientCodeCharacters + 1, QLatin1Char('W'))));
  if (!readOnly) capitaliseOnLeave(box);
  return box;
}

QHBoxLayout* displayRow(QComboBox* code, QPushButton* display, QLineEdit* shownCode,
                        const QString& shownLabel, QWidget* parent) {
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Client Code"), parent));
  row->addWidget(code);
  row->addWidget(display);
  row->addStretch();
  if (!shownLabel.isEmpty()) row->addWidget(new QLabel(shownLabel, parent));
  row->addWidget(shownCode);
  return row;
}

void layOutClientForm(QWidget* dialog, const QString& heading, QLayout* codeRow, QWidget* fields,
                      std::initializer_list<QPushButton*> buttons) {
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  for (auto* button : buttons) buttonRow->addWidget(button);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(dialogHeading(heading, dialog));
  layout->addLayout(codeRow);
  layout->addWidget(fields);
  layout->addLayout(buttonRow);
}

void showDisplayed(const std::optional<clients::DisplayedClient>& shown, ClientFieldsPanel* fields,
                   QLineEdit* shownCode) {
  if (!shown) return;
  fields->show(shown->fields);
  shownCode->setText(platform::fromStored(shown->code));
}

}  // namespace vrk::ui::clientforms
