// `TChangeAttorneyForm`: an attorney's initials replaced by new ones.
#pragma once

#include <optional>

#include "core/attorneys/change_attorney.h"
#include "ui/attorneys/attorney_form.h"

class QComboBox;
class QLineEdit;

namespace vrk::ui {

class AttorneyGridView;

class TChangeAttorneyForm : public AttorneyForm {
  Q_OBJECT

 public:
  explicit TChangeAttorneyForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void openRegister() override;
  void closeDown() override;

 private:
  void save();

  std::optional<attorneys::ChangeAttorney> logic_;
  QComboBox* from_;
  QLineEdit* to_;
  AttorneyGridView* grid_;
};

}  // namespace vrk::ui
