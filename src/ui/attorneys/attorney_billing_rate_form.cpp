#include "ui/attorneys/attorney_billing_rate_form.h"

#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ui/attorneys/form_parts.h"

namespace vrk::ui {

TAttorneyBillingRateForm::TAttorneyBillingRateForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      label_(namedLabel({}, QStringLiteral("BillingRateLabel"), this)),
      box_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("TAttorneyBillingRateForm"));
  setModal(true);
  box_->setObjectName(QStringLiteral("AttorneyBillingRateEditBox"));
  auto* ok = namedButton(QStringLiteral("OK"), QStringLiteral("OkButton"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TAttorneyBillingRateForm::ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(box_);
  layout->addLayout(buttonRow({ok}));
}

double TAttorneyBillingRateForm::askRate(const std::string& initials) {
  setInitials(initials);
  exec();
  return rate_;
}

void TAttorneyBillingRateForm::showEvent(QShowEvent* event) {
  VrkDialog::showEvent(event);
  if (event->spontaneous()) return;
  logic_.emplace(initials_);
  label_->setText(shownText(logic_->label()));
  box_->setText(platform::fromStored(attorneys::AttorneyBillingRate::kOpeningText));
  box_->setFocus();
}

void TAttorneyBillingRateForm::ok() {
  if (!logic_) return;
  const std::string typed = platform::toStored(box_->text());
  act([&] {
    dialog::Outcome outcome = logic_->ok(typed);
    if (outcome.closed()) rate_ = logic_->rate();
    return outcome;
  });
}

}  // namespace vrk::ui
