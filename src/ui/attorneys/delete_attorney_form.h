// `TDeleteAttorneyForm`: an attorney removed from the register.
#pragma once

#include <optional>

#include "core/attorneys/delete_attorney.h"
#include "ui/attorneys/attorney_form.h"

class QComboBox;

namespace vrk::ui {

class AttorneyGridView;

class TDeleteAttorneyForm : public AttorneyForm {
  Q_OBJECT

 public:
  explicit TDeleteAttorneyForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void openRegister() override;
  void closeDown() override;

 private:
  void remove();

  std::optional<attorneys::DeleteAttorney> logic_;
  QComboBox* initials_;
  AttorneyGridView* grid_;
};

}  // namespace vrk::ui
