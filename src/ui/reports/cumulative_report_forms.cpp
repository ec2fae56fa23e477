#include "ui/reports/cumulative_report_forms.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/rules/input_rules.h"
#include "platform/text_codec.h"
#include "ui/attorneys/attorney_billing_rate_form.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/description_box.h"
#include "ui/common/printer_choice.h"
#include "ui/common/up_down_edit.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

using namespace clientforms;

namespace {

constexpr int kFirstYear = 1975;
constexpr int kLastYear = 2075;
constexpr int kMatterNumberCharacters = 5;

PeriodEdits periodEdits(QWidget* parent) {
  PeriodEdits edits{new UpDownEdit(1, 12, parent), new UpDownEdit(kFirstYear, kLastYear, parent),
                    new UpDownEdit(1, 12, parent), new UpDownEdit(kFirstYear, kLastYear, parent)};
  edits.beginningMonth->setObjectName(QStringLiteral("BeginningMonthEdit"));
  edits.beginningYear->setObjectName(QStringLiteral("BeginningYearEdit"));
  edits.finalMonth->setObjectName(QStringLiteral("FinalMonthEdit"));
  edits.finalYear->setObjectName(QStringLiteral("FinalYearEdit"));
  return edits;
}

// "Beginning Billing Period" and "Final Billing Period", each a month and a year box.
QGridLayout* periodGrid(const PeriodEdits& edits, QWidget* parent) {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Month"), parent), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Year"), parent), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("Beginning Billing Period"), parent), 1, 0);
  grid->addWidget(edits.beginningMonth, 1, 1);
  grid->addWidget(edits.beginningYear, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Final Billing Period"), parent), 2, 0);
  grid->addWidget(edits.finalMonth, 2, 1);
  grid->addWidget(edits.finalYear, 2, 2);
  grid->setColumnStretch(3, 1);
  return grid;
}

void showPeriods(const PeriodEdits& edits, const reports::PeriodBoxes& boxes) {
  edits.beginningMonth->setText(platform::fromStored(boxes.beginningMonth));
  edits.beginningYear->setText(platform::fromStored(boxes.beginningYear));
  edits.finalMonth->setText(platform::fromStored(boxes.finalMonth));
  edits.finalYear->setText(platform::fromStored(boxes.finalYear));
}

reports::PeriodBoxes typedPeriods(const PeriodEdits& edits) {
  return {platform::toStored(edits.beginningMonth->text()), platform::toStored(edits.beginningYear->text()),
          platform::toStored(edits.finalMonth->text()), platform::toStored(edits.finalYear->text())};
}

QProgressBar* hiddenProgressBar(QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(QStringLiteral("ProgressBar1"));
  bar->setVisible(false);
  return bar;
}

// The progress bar of a run: one step per month; the window repaints without taking input.
reports::Progress progressOf(QProgressBar* bar) {
  return [bar](int done, int total) {
    bar->setVisible(true);
    bar->setRange(0, total);
    bar->setValue(done);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
}


QRadioButton* rateChoice(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QRadioButton(text, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

CumulativeMatterReportForm::CumulativeMatterReportForm(AppServices& services, QWidget* parent,
                                                       const QString& objectName, const QString& heading,
                                                       reports::MatterReportKind kind)
    : VrkDialog(services, parent),
      kind_(kind),
      client_(codeComboBox(QStringLiteral("ClientCodeComboBox"), true, this)),
      matter_(codeComboBox(QStringLiteral("MatterNumberComboBox"), false, this)),
      periods_(periodEdits(this)),
      title_(descriptionBox("TitleMemo", reports::kTitleLines, this)),
      progress_(hiddenProgressBar(this)) {
  setObjectName(objectName);
  setWindowTitle(heading);  // until registration names the command
  setModal(true);
  fitCodeBox(client_, kClientCodeCharacters);
  fitCodeBox(matter_, kMatterNumberCharacters);
  client_->lineEdit()->installEventFilter(this);
  // Typing a client code empties the matter number; leaving the box fills its matter list.
  connect(client_->lineEdit(), &QLineEdit::textEdited, this, [this] { matter_->setEditText(QString()); });
  connect(client_, &QComboBox::activated, this, [this] { refillMatters(); });

  auto* title = dialogHeading(heading, this);
  title->setObjectName(QStringLiteral("TitleLabel"));
  auto* keys = new QHBoxLayout;
  keys->addWidget(new QLabel(QStringLiteral("Client Code"), this));
  keys->addWidget(client_);
  keys->addSpacing(16);
  keys->addWidget(new QLabel(QStringLiteral("Matter Number"), this));
  keys->addWidget(matter_);
  keys->addStretch();

  auto* titleLabel = new QLabel(QStringLiteral("Report Title\n(1 - 6 Lines)"), this);
  titleLabel->setObjectName(QStringLiteral("ReportTitleLabel"));
  auto* titleRow = new QHBoxLayout;
  titleRow->addWidget(titleLabel);
  titleRow->addWidget(title_);
  titleRow->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(keys);
  layout->addLayout(periodGrid(periods_, this));
  if (kind_ == reports::MatterReportKind::HoursAndFees) {
    ratesInEffect_ = rateChoice(QStringLiteral("Use Hourly Rates In Effect\nWhen Work Was Performed"),
                                QStringLiteral("RatesInEffectButton"), this);
    customRates_ = rateChoice(QStringLiteral("Enter Custom Hourly Rates\nTo Be Used For This Report"),
                              QStringLiteral("CustomRatesButton"), this);
    ratesInEffect_->setChecked(true);
    auto* choice = new QHBoxLayout;
    choice->addWidget(ratesInEffect_);
    choice->addWidget(customRates_);
    choice->addStretch();
    layout->addLayout(choice);
  }
  layout->addLayout(titleRow);
  layout->addWidget(progress_);
  layout->addLayout(printCancelRow(this, [this] { print(); }));
}

bool CumulativeMatterReportForm::reload() {
  return load([this] {
    logic_.emplace(services().session.dataFilesPath, services().session.billingPeriod, kind_);
    fillComboBox(client_, logic_->clientCodes(), false);
    client_->setEditText(platform::fromStored(logic_->openingClient()));
    fillComboBox(matter_, logic_->matterNumbers(logic_->openingClient()), false);
    matter_->setEditText(platform::fromStored(logic_->openingMatter()));
    showPeriods(periods_, logic_->openingPeriods());
    title_->clear();
    if (ratesInEffect_) ratesInEffect_->setChecked(true);
    progress_->setVisible(false);
    progress_->setValue(0);
  });
}

int CumulativeMatterReportForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void CumulativeMatterReportForm::done(int result) {
  VrkDialog::done(result);
  title_->clear();
  client_->clear();
  matter_->clear();
  progress_->setVisible(false);
}

bool CumulativeMatterReportForm::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the box, not a message box or another window taking the focus for a while.
  if (watched == client_->lineEdit() && event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) refillMatters();
  }
  return VrkDialog::eventFilter(watched, event);
}

void CumulativeMatterReportForm::refillMatters() {
  if (!logic_) return;
  const std::string code = rules::capitals(storedText(client_));
  fillComboBox(matter_, logic_->matterNumbers(code), true);
}

double CumulativeMatterReportForm::askRate(const std::string& initials) {
  auto* asker = parentWidget() ? parentWidget()->findChild<TAttorneyBillingRateForm*>() : nullptr;
  if (asker) return asker->askRate(initials);
  TAttorneyBillingRateForm own(services(), this);
  return own.askRate(initials);
}

void CumulativeMatterReportForm::print() {
  if (!logic_) return;
  reports::MatterReportBoxes boxes;
  boxes.client = rules::capitals(storedText(client_));
  boxes.matter = storedText(matter_);
  boxes.periods = typedPeriods(periods_);
  const QStringList lines = title_->toPlainText().split(QLatin1Char('\n'));
  for (int k = 0; k < lines.size() && k < reports::kTitleLines; ++k) boxes.title.push_back(platform::toStored(lines[k]));
  reports::ReportRun run;
  run.rates = customRates_ && customRates_->isChecked() ? reports::RateChoice::Custom : reports::RateChoice::InEffect;
  run.askRate = [this](const std::string& initials) { return askRate(initials); };
  run.progress = progressOf(progress_);
  run.today = services().clock.today();

  std::optional<document::Document> printout;
  act([&] {
    reports::ReportResult result = logic_->print(boxes, run);
    printout = std::move(result.document);
    result.outcome.closing = dialog::Closing::Stay;  // the report prints before the dialog closes
    return result.outcome;
  });
  progress_->setVisible(false);
  if (printout && services().printer.print(this, *printout)) accept();
}

TCumulativeHoursAndFeesReportForm::TCumulativeHoursAndFeesReportForm(AppServices& services, QWidget* parent)
    : CumulativeMatterReportForm(services, parent, QStringLiteral("TCumulativeHoursAndFeesReportForm"),
                                 QStringLiteral("Cumulative Hours/Fees Report For Client/Matter"),
                                 reports::MatterReportKind::HoursAndFees) {}

TCumulativeCostsReportForm::TCumulativeCostsReportForm(AppServices& services, QWidget* parent)
    : CumulativeMatterReportForm(services, parent, QStringLiteral("TCumulativeCostsReportForm"),
                                 QStringLiteral("Cumulative Costs Report For Client/Matter"),
                                 reports::MatterReportKind::Costs) {}

TCumulativeCreditsReportForm::TCumulativeCreditsReportForm(AppServices& services, QWidget* parent)
    : CumulativeMatterReportForm(services, parent, QStringLiteral("TCumulativeCreditsReportForm"),
                                 QStringLiteral("Cumulative Credits Report For Client/Matter"),
                                 reports::MatterReportKind::Credits) {}

TCumulativePaymentsReportForm::TCumulativePaymentsReportForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      client_(codeComboBox(QStringLiteral("ClientCodeComboBox"), true, this)),
      periods_(periodEdits(this)),
      progress_(hiddenProgressBar(this)) {
  setObjectName(QStringLiteral("TCumulativePaymentsReportForm"));
  setWindowTitle(QStringLiteral("Cumulative Payments Report For Client"));  // until registration names it
  setModal(true);
  fitCodeBox(client_, kClientCodeCharacters);

  auto* title = dialogHeading(QStringLiteral("Cumulative Payments Report For Client"), this);
  title->setObjectName(QStringLiteral("TitleLabel"));
  auto* keys = new QHBoxLayout;
  keys->addWidget(new QLabel(QStringLiteral("Client Code"), this));
  keys->addWidget(client_);
  keys->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(keys);
  layout->addLayout(periodGrid(periods_, this));
  layout->addWidget(progress_);
  layout->addLayout(printCancelRow(this, [this] { print(); }));
}

bool TCumulativePaymentsReportForm::reload() {
  return load([this] {
    logic_.emplace(services().session.dataFilesPath, services().session.billingPeriod);
    fillComboBox(client_, logic_->clientCodes(), true);
    showPeriods(periods_, logic_->openingPeriods());
    progress_->setVisible(false);
    progress_->setValue(0);
  });
}

int TCumulativePaymentsReportForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void TCumulativePaymentsReportForm::done(int result) {
  VrkDialog::done(result);
  client_->clear();
  progress_->setVisible(false);
}

void TCumulativePaymentsReportForm::print() {
  if (!logic_) return;
  const reports::PaymentsReportBoxes boxes{rules::capitals(storedText(client_)), typedPeriods(periods_)};
  reports::ReportRun run;
  run.progress = progressOf(progress_);
  run.today = services().clock.today();
  std::optional<document::Document> printout;
  act([&] {
    reports::ReportResult result = logic_->print(boxes, run);
    printout = std::move(result.document);
    result.outcome.closing = dialog::Closing::Stay;
    return result.outcome;
  });
  progress_->setVisible(false);
  if (printout && services().printer.print(this, *printout)) accept();
}

void registerCumulativeDialogs(Application& app, AppServices& services) {
  addCommandForm<TCumulativeHoursAndFeesReportForm>(app, services, "TCumulativeHoursAndFeesReportForm");
  addCommandForm<TCumulativeCostsReportForm>(app, services, "TCumulativeCostsReportForm");
  addCommandForm<TCumulativeCreditsReportForm>(app, services, "TCumulativeCreditsReportForm");
  addCommandForm<TCumulativePaymentsReportForm>(app, services, "TCumulativePaymentsReportForm");
}

}  // namespace vrk::ui
