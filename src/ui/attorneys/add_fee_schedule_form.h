// `TAddFeeScheduleForm`: a new fee schedule's rates typed into the grid, or the first attorney's.
#pragma once

#include <optional>

#include "core/attorneys/add_fee_schedule.h"
#include "ui/attorneys/attorney_form.h"

namespace vrk::ui {

class AttorneyGridView;

class TAddFeeScheduleForm : public AttorneyForm {
  Q_OBJECT

 public:
  explicit TAddFeeScheduleForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void openRegister() override;
  void closeDown() override;

 private:
  void save();

  std::optional<attorneys::AddFeeSchedule> logic_;
  AttorneyGridView* grid_;
};

}  // namespace vrk::ui
