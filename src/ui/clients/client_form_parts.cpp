#include "ui/clients/client_form_parts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "platform/text_codec.h"
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

QComboBox* codeComboBox(const QString& objectName, bool capitals, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(objectName);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
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

}  // namespace vrk::ui::clientforms
