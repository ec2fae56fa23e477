// `TDeleteFeeScheduleForm`: one fee schedule removed, the later ones moving down a number.
#pragma once

#include <optional>

#include "core/attorneys/delete_fee_schedule.h"
#include "ui/attorneys/attorney_form.h"

class QComboBox;

namespace vrk::ui {

class AttorneyGridView;

class TDeleteFeeScheduleForm : public AttorneyForm {
  Q_OBJECT

 public:
  explicit TDeleteFeeScheduleForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void openRegister() override;
  void closeDown() override;

 private:
  void remove();

  std::optional<attorneys::DeleteFeeSchedule> logic_;
  QComboBox* number_;
  AttorneyGridView* grid_;
};

}  // namespace vrk::ui
