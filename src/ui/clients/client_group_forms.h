// `TDisplayClientCodesForm` and `TDeleteClientGroupForm`: a group's client codes in a grid.
#pragma once

#include <optional>

#include "core/clients/delete_client_group.h"
#include "core/clients/display_client_codes.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;
class QTableWidget;

namespace vrk::ui {

// The group combo box, the grid (10 columns, (clients / 10) + 1 rows) and the buttons.
class ClientGroupForm : public VrkDialog {
  Q_OBJECT

 public:
  int exec() override;
  virtual bool reload() = 0;

 protected:
  // `action` is the middle button: "Print" or "Delete".
  ClientGroupForm(AppServices& services, const QString& heading, const QString& action, QWidget* parent);

  void showLists(const clients::GroupDialogLists& lists);
  void showCodes(const std::optional<clients::GroupListing>& listing);
  std::string group() const;
  virtual void display() = 0;
  virtual void middleButton() = 0;

 private:
  QComboBox* group_;
  QTableWidget* grid_;
};

class TDisplayClientCodesForm : public ClientGroupForm {
  Q_OBJECT

 public:
  explicit TDisplayClientCodesForm(AppServices& services, QWidget* parent = nullptr);
  bool reload() override;

 private:
  void display() override;
  void middleButton() override;

  std::optional<clients::DisplayClientCodes> logic_;
};

class TDeleteClientGroupForm : public ClientGroupForm {
  Q_OBJECT

 public:
  explicit TDeleteClientGroupForm(AppServices& services, QWidget* parent = nullptr);
  bool reload() override;

 private:
  void display() override;
  void middleButton() override;

  std::optional<clients::DeleteClientGroup> logic_;
};

}  // namespace vrk::ui
