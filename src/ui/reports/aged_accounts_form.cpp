#include "ui/reports/aged_accounts_form.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "core/reports/aged_accounts.h"
#include "platform/document_view.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/printer_choice.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

using namespace clientforms;

namespace {

// The text box shows a whole screen line of the report (95 columns) without scrolling sideways.
constexpr int kReportColumns = 96;
constexpr int kReportLinesShown = 30;

QPlainTextEdit* reportBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QStringLiteral("Memo1"));
  box->setReadOnly(true);
  platform::prepareDocumentBox(*box);
  const QFontMetrics metrics(box->font());
  const int margins =
      2 * box->frameWidth() + 2 * static_cast<int>(std::ceil(box->document()->documentMargin()));
  box->setMinimumWidth(metrics.horizontalAdvance(QString(kReportColumns, QLatin1Char('W'))) + margins +
                       box->verticalScrollBar()->sizeHint().width());
  box->setMinimumHeight(metrics.lineSpacing() * kReportLinesShown + margins +
                        box->horizontalScrollBar()->sizeHint().height());
  return box;
}

// The heading of the report: the billing period and today.
reports::AgedReportHeading agedHeading(const AppServices& services) {
  return {services.session.billingPeriod, services.clock.today()};
}

}  // namespace

TAgedAccountsReportForm::TAgedAccountsReportForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent), textBox_(reportBox(this)), progress_(new QProgressBar(this)) {
  setObjectName(QStringLiteral("TAgedAccountsReportForm"));
  setWindowTitle(QStringLiteral("Display/Print Aged Accounts Report"));  // until registration names it
  setModal(true);

  auto* title = dialogHeading(QStringLiteral("Display/Print Aged Accounts Report "), this);
  title->setObjectName(QStringLiteral("TitleLabel"));
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setVisible(false);

  auto* displayButton = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
  auto* printButton = namedButton(QStringLiteral("Print"), QStringLiteral("PrintButton"), this);
  connect(displayButton, &QPushButton::clicked, this, [this] { display(); });
  connect(printButton, &QPushButton::clicked, this, [this] { print(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(displayButton);
  buttons->addWidget(printButton);
  buttons->addWidget(cancelButton(this));
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(progress_);
  layout->addWidget(textBox_, 1);
  layout->addLayout(buttons);
}

int TAgedAccountsReportForm::exec() {
  textBox_->clear();
  return VrkDialog::exec();
}

void TAgedAccountsReportForm::done(int result) {
  VrkDialog::done(result);
  textBox_->clear();
}

void TAgedAccountsReportForm::display() {
  textBox_->clear();
  act([this] {
    const reports::AgedAccountsReport report(folder(), agedHeading(services()));
    reports::AgedAccountsReport::Shown shown = report.display();
    platform::showDocument(*textBox_, shown.document);  // the long-document box comes after it
    return shown.outcome;
  });
}

void TAgedAccountsReportForm::print() {
  std::optional<document::Document> printout;
  act([&] {
    printout = reports::AgedAccountsReport(folder(), agedHeading(services())).printout();
    return dialog::Outcome{};
  });
  if (printout && services().printer.print(this, *printout)) accept();
}

void registerAgedAccountsDialogs(Application& app, AppServices& services) {
  addCommandForm<TAgedAccountsReportForm>(app, services, "TAgedAccountsReportForm");
}

}  // namespace vrk::ui
