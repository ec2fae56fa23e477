// `TDisplayClientForm`: "Data For Client ", shown and printed.
#pragma once

#include <optional>

#include "core/clients/display_client.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;
class QLineEdit;

namespace vrk::ui {

class ClientFieldsPanel;

class TDisplayClientForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TDisplayClientForm(AppServices& services, QWidget* parent = nullptr);

  bool reload();
  int exec() override;

 private:
  void display();
  void print();

  std::optional<clients::DisplayClient> logic_;
  QComboBox* code_;
  QLineEdit* shownCode_;
  ClientFieldsPanel* fields_;
};

}  // namespace vrk::ui
