// `TChangeClientForm`: "Change Data For Client", including a new client code.
#pragma once

#include <optional>

#include "core/clients/change_client.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;
class QLineEdit;

namespace vrk::ui {

class ClientFieldsPanel;

class TChangeClientForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TChangeClientForm(AppServices& services, QWidget* parent = nullptr);

  bool reload();
  int exec() override;

 private:
  void display();
  void save();

  std::optional<clients::ChangeClient> logic_;
  QComboBox* code_;
  QLineEdit* newCode_;
  ClientFieldsPanel* fields_;
};

}  // namespace vrk::ui
