// `TAddClientForm`: "Add A New Client".
#pragma once

#include <optional>

#include "core/clients/add_client.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;

namespace vrk::ui {

class ClientFieldsPanel;

class TAddClientForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TAddClientForm(AppServices& services, QWidget* parent = nullptr);

  // Loads the lists and clears the boxes (exec() does it first); false after a file error.
  bool reload();
  int exec() override;

 private:
  void save();

  std::optional<clients::AddClient> logic_;
  QComboBox* code_;
  ClientFieldsPanel* fields_;
};

}  // namespace vrk::ui
