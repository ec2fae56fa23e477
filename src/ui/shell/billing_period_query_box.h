// TBillingPeriodQueryBox: the month and year of the billing period to work in.
#pragma once

#include <QDialog>

#include "core/shell/session.h"

namespace vrk::ui {

class UpDownEdit;

class TBillingPeriodQueryBox : public QDialog {
  Q_OBJECT

 public:
  TBillingPeriodQueryBox(shell::Session& session, QWidget* parent = nullptr);

  // Shows the session's period in the boxes and runs the dialog; OK sets the period when the
  // texts are valid (else one message), and closes in every case.
  int exec() override;

  UpDownEdit* monthEdit() const { return month_; }
  UpDownEdit* yearEdit() const { return year_; }
  void ok();

 private:
  shell::Session& session_;
  UpDownEdit* month_;
  UpDownEdit* year_;
};

}  // namespace vrk::ui
