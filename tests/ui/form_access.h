// Test support for dialog tests: finding a form's widgets by name, typing as a user does, and
// reading back what the records dialogs wrote.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <filesystem>
#include <string>

#include "core/clients/client_book.h"
#include "core/clients/client_record.h"
#include "core/rules/decimal_value.h"
#include "core/store/tables.h"

namespace vrk::ui::test_form {

// The form's widget of that name; a test without it stops at once.
template <typename Widget>
Widget* child(QWidget& form, const char* name) {
  auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
  if (!widget) qFatal("no widget %s", name);
  return widget;
}

inline QComboBox* combo(QWidget& form, const char* name) { return child<QComboBox>(form, name); }
inline QLineEdit* line(QWidget& form, const char* name) { return child<QLineEdit>(form, name); }
inline QString text(QWidget& form, const char* name) { return line(form, name)->text(); }
inline void click(QWidget& form, const char* name) { QTest::mouseClick(child<QPushButton>(form, name), Qt::LeftButton); }

inline QStringList items(const QComboBox* box) {
  QStringList list;
  for (int i = 0; i < box->count(); ++i) list.append(box->itemText(i));
  return list;
}

// Types over a combo box's text and leaves the box, as the user does.
inline void typeAndLeave(QComboBox* box, const QString& typed) {
  box->lineEdit()->selectAll();
  QTest::keyClicks(box->lineEdit(), typed);
  QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(box->lineEdit(), &leave);
}

// A client's payments since the last statement, read from the folder.
inline double paymentsSinceLastStatement(const std::filesystem::path& folder, const std::string& client) {
  store::Transaction tx(folder);
  const store::RecordTable clients(store::clientTable(), tx);
  const auto record = clients::decodeClientRecord(clients.readRecord(*clients::clientPosition(clients, client)));
  return rules::storedDecimalValue(record.amounts[clients::kPaymentsSinceLastStatement]);
}

}  // namespace vrk::ui::test_form
