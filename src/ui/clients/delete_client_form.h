// `TDeleteClientForm`: "Delete Client", with the question about the client's matters.
#pragma once

#include <optional>

#include "core/clients/delete_client.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;
class QLineEdit;

namespace vrk::ui {

class ClientFieldsPanel;

class TDeleteClientForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TDeleteClientForm(AppServices& services, QWidget* parent = nullptr);

  bool reload();
  int exec() override;

 private:
  void display();
  void remove();

  std::optional<clients::DeleteClient> logic_;
  QComboBox* code_;
  QLineEdit* shownCode_;
  ClientFieldsPanel* fields_;
};

}  // namespace vrk::ui
