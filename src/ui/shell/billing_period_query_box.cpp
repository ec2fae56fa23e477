#include "ui/shell/billing_period_query_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/store/billing_period.h"
#include "platform/text_codec.h"
#include "ui/common/message_boxes.h"
#include "ui/common/up_down_edit.h"

namespace vrk::ui {

TBillingPeriodQueryBox::TBillingPeriodQueryBox(shell::Session& session, QWidget* parent)
    : QDialog(parent), session_(session), month_(new UpDownEdit(1, 12, this)), year_(new UpDownEdit(1975, 2075, this)) {
  setObjectName(QStringLiteral("TBillingPeriodQueryBox"));
  setWindowTitle(QStringLiteral("VRK"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  month_->setObjectName(QStringLiteral("MonthEdit"));
  year_->setObjectName(QStringLiteral("YearEdit"));
  month_->lineEdit()->setMaxLength(8);
  year_->lineEdit()->setMaxLength(8);

  auto* heading = new QLabel(QStringLiteral("Enter Billing Period"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  heading->setFont(bold);
  heading->setAlignment(Qt::AlignCenter);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Month"), month_);
  form->addRow(QStringLiteral("&Year"), year_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &TBillingPeriodQueryBox::ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setFixedWidth(300);
}

int TBillingPeriodQueryBox::exec() {
  const store::BillingPeriodQuery query(session_.billingPeriod);
  month_->setText(QString::fromStdString(query.monthText()));
  year_->setText(QString::fromStdString(query.yearText()));
  month_->setFocus();
  month_->lineEdit()->selectAll();
  return QDialog::exec();
}

void TBillingPeriodQueryBox::ok() {
  store::BillingPeriodQuery query(session_.billingPeriod);
  const auto outcome = query.ok(platform::toStored(month_->text()), platform::toStored(year_->text()));
  session_.billingPeriod = query.period();
  showOutcome(this, outcome);
  accept();
}

}  // namespace vrk::ui
