#include "ui/statements/activity_report_forms.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "platform/document_view.h"
#include "ui/common/message_boxes.h"
#include "ui/common/printer_choice.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {
namespace {

QPushButton* reportButton(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ActivityReportForm::ActivityReportForm(statements::PeriodReportKind kind, AppServices& services,
                                       QWidget* parent)
    : VrkDialog(services, parent), kind_(kind), textBox_(new QPlainTextEdit(this)) {
  setModal(true);
  resize(760, 600);
  textBox_->setObjectName(QStringLiteral("ReportMemo"));
  platform::prepareDocumentBox(*textBox_);
  textBox_->setReadOnly(true);

  auto* print = reportButton(QStringLiteral("Print"), QStringLiteral("PrintButton"), this);
  auto* cancel = reportButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(print, &QPushButton::clicked, this, &ActivityReportForm::print);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(print);
  buttons->addWidget(cancel);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(textBox_, 1);
  layout->addLayout(buttons);
}

void ActivityReportForm::showEvent(QShowEvent* event) {
  VrkDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (!load([this] { openReport(); })) {
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    return;
  }
  // The long-document box comes once the text box shows the report.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (logic_) showOutcome(this, logic_->opening());
      },
      Qt::QueuedConnection);
}

void ActivityReportForm::openReport() {
  logic_.emplace(folder(), kind_,
                 statements::PeriodReportHeading{services().session.billingPeriod, services().clock.today()});
  platform::showDocument(*textBox_, logic_->screen());
}

void ActivityReportForm::done(int result) {
  logic_.reset();
  textBox_->clear();
  VrkDialog::done(result);
}

void ActivityReportForm::print() {
  if (!logic_) return;
  if (services().printer.print(this, logic_->printout())) accept();
}

TAttorneyActivityReportForm::TAttorneyActivityReportForm(AppServices& services, QWidget* parent)
    : ActivityReportForm(statements::PeriodReportKind::AttorneyActivity, services, parent) {
  setObjectName(QStringLiteral("TAttorneyActivityReportForm"));
}

TBillingActivityReportForm::TBillingActivityReportForm(AppServices& services, QWidget* parent)
    : ActivityReportForm(statements::PeriodReportKind::BillingActivity, services, parent) {
  setObjectName(QStringLiteral("TBillingActivityReportForm"));
}

void registerActivityReportDialogs(Application& app, AppServices& services) {
  addCommandForm<TBillingActivityReportForm>(app, services, "TBillingActivityReportForm");
  addCommandForm<TAttorneyActivityReportForm>(app, services, "TAttorneyActivityReportForm");
}

}  // namespace vrk::ui
