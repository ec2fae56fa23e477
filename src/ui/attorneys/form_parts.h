// Small pieces the attorney and fee schedule dialogs share: shown texts, buttons, their row.
#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <initializer_list>
#include <string>

#include "core/dialog/outcome.h"
#include "platform/text_codec.h"

namespace vrk::ui {

// Stored text as a label shows it: "\r\n" becomes a line break.
inline QString shownText(const std::string& stored) {
  return platform::fromStored(dialog::plainLineBreaks(stored));
}

inline QLabel* namedLabel(const std::string& stored, const QString& name, QWidget* parent) {
  auto* label = new QLabel(shownText(stored), parent);
  label->setObjectName(name);
  return label;
}

inline QPushButton* namedButton(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// The buttons side by side, centred.
inline QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* button : buttons) row->addWidget(button);
  row->addStretch(1);
  return row;
}

}  // namespace vrk::ui
