// `TAttorneyBillingRateForm`: asks for one attorney's billing rate on behalf of a report.
#pragma once

#include <optional>
#include <string>

#include "core/attorneys/attorney_billing_rate.h"
#include "ui/common/vrk_dialog.h"

class QLabel;
class QLineEdit;
class QShowEvent;

namespace vrk::ui {

class TAttorneyBillingRateForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TAttorneyBillingRateForm(AppServices& services, QWidget* parent = nullptr);

  // The caller names the attorney before showing the dialog and reads the rate after it closed.
  void setInitials(const std::string& initials) { initials_ = initials; }
  double rate() const { return rate_; }
  // Both in one: shows the dialog for the attorney until a valid rate is entered.
  double askRate(const std::string& initials);

  // There is no Cancel: Escape and the close box leave the dialog open.
  void reject() override {}

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ok();

  std::string initials_;
  double rate_ = 0;
  std::optional<attorneys::AttorneyBillingRate> logic_;
  QLabel* label_;
  QLineEdit* box_;
};

}  // namespace vrk::ui
