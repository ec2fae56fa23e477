// TAddMatterForm: adds a matter for a client (masked hours and amount boxes).
#pragma once

#include <optional>

#include "core/matters/add_matter.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;
class QDateEdit;
class QPlainTextEdit;

namespace vrk::ui {

class MaskedEdit;

class TAddMatterForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TAddMatterForm(AppServices& services, QWidget* parent = nullptr);

  // Loads the lists afresh, clears the boxes and shows the dialog modally.
  int exec() override;

 private:
  void refreshNumbers();
  void save();
  matters::MatterBoxes boxes() const;

  std::optional<matters::AddMatter> logic_;
  QComboBox* client_;
  QComboBox* number_;
  QPlainTextEdit* description_;
  QDateEdit* created_;
  QComboBox* attorney_;
  QComboBox* schedule_;
  MaskedEdit* hours_;
  MaskedEdit* fees_;
  MaskedEdit* costs_;
  MaskedEdit* credits_;
};

}  // namespace vrk::ui
