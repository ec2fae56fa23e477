// `TAddAttorneyForm`: a new attorney's initials and hourly rates, previewed in the grid as typed.
#pragma once

#include <array>
#include <optional>

#include "core/attorneys/add_attorney.h"
#include "ui/attorneys/attorney_form.h"

class QLabel;
class QLineEdit;

namespace vrk::ui {

class AttorneyGridView;
class MaskedEdit;

class TAddAttorneyForm : public AttorneyForm {
  Q_OBJECT

 public:
  explicit TAddAttorneyForm(AppServices& services, QWidget* parent = nullptr);

 protected:
  void openRegister() override;
  void closeDown() override;

 private:
  void save();
  void previewInitials();
  void previewRate(int box);

  std::optional<attorneys::AddAttorney> logic_;
  QLabel* rateLabel_;
  QLineEdit* initials_;
  std::array<MaskedEdit*, attorneys::kMaxFeeSchedules> rates_{};
  AttorneyGridView* grid_;
};

}  // namespace vrk::ui
