// `TChangeFeeSchedulesForm`: attorneys' rates under the schedules in use overwritten in the grid.
#pragma once

#include <optional>

#include "core/attorneys/change_fee_schedules.h"
#include "ui/attorneys/attorney_form.h"

namespace vrk::ui {

class AttorneyGridView;

class TChangeFeeSchedulesForm : public AttorneyForm {
  Q_OBJECT

 public:
  explicit TChangeFeeSchedulesForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void openRegister() override;
  void closeDown() override;

 private:
  void save();

  std::optional<attorneys::ChangeFeeSchedules> logic_;
  AttorneyGridView* grid_;
};

}  // namespace vrk::ui
