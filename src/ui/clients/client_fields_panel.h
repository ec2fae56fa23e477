// The boxes the client dialogs share: group, address, category, late charges, date, ten amounts.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "core/clients/client_fields.h"
#include "core/dialog/outcome.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace vrk::ui {

class ClientFieldsPanel : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { Add, Change, ReadOnly };
  // Add: masked amount boxes and a group box that turns to capitals; Change: plain amount boxes;
  // ReadOnly: the delete and display dialogs' fields.
  ClientFieldsPanel(Kind kind, QWidget* parent = nullptr);

  void setGroups(const std::vector<std::string>& groups);
  clients::ClientFields fields() const;  // the code is left empty
  void show(const clients::ClientFields& fields);
  // Empty boxes; the add dialog's defaults (category 0, late charges ticked), else no category.
  void clear(const QDate& today);
  // Shows the normalised amounts the logic wrote back.
  void writeBack(const dialog::Outcome& outcome);

 private:
  Kind kind_;
  QComboBox* group_;
  QPlainTextEdit* address_;
  QDateEdit* date_;
  QButtonGroup* category_;
  QCheckBox* lateCharges_;
  std::array<QLineEdit*, clients::kAmountCount> amounts_{};
};

}  // namespace vrk::ui

namespace vrk::ui::clientforms {

// The date a date box shows, and back.
store::CalendarDate calendarDate(const QDate& date);
QDate qDate(const store::CalendarDate& date);

}  // namespace vrk::ui::clientforms
