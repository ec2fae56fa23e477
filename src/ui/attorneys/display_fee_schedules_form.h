// `TDisplayFeeSchedulesForm`: every attorney's rates shown read-only, and printed on request.
#pragma once

#include <optional>

#include "core/attorneys/display_fee_schedules.h"
#include "ui/attorneys/attorney_form.h"

namespace vrk::ui {

class AttorneyGridView;

class TDisplayFeeSchedulesForm : public AttorneyForm {
  Q_OBJECT

 public:
  explicit TDisplayFeeSchedulesForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void openRegister() override;
  void closeDown() override;

 private:
  void print();

  std::optional<attorneys::DisplayFeeSchedules> logic_;
  AttorneyGridView* grid_;
};

}  // namespace vrk::ui
