#include "ui/statements/statement_run_forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "core/interchange/ledes_export.h"
#include "platform/document_printer.h"
#include "platform/document_view.h"
#include "platform/text_codec.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/printer_choice.h"
#include "ui/shell/application.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

using namespace clientforms;

namespace {

// The one client's draft reports four steps: found, read, tables loaded, laid out.
constexpr int kClientDraftSteps = 4;
// A long run lets the window repaint its progress bar after this many clients.
constexpr int kClientsBetweenRepaints = 50;
// The text box shows this many columns of a statement without scrolling sideways.
constexpr int kStatementColumns = 80;
constexpr int kStatementLinesShown = 30;
// Wide enough that the window manager shows the longest caption whole.
constexpr int kMinimumWidth = 480;

QDateEdit* statementDateBox(QWidget* parent) {
  auto* box = new QDateEdit(parent);
  box->setObjectName(QStringLiteral("DateTimePicker1"));
  box->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
  box->setCalendarPopup(true);
  return box;
}

// A read-only box wide enough for a statement's lines, in the font every document box has.
QPlainTextEdit* statementBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QStringLiteral("StatementMemo"));
  box->setReadOnly(true);
  platform::prepareDocumentBox(*box);
  const QFontMetrics metrics(box->font());
  const int margins =
      2 * box->frameWidth() + 2 * static_cast<int>(std::ceil(box->document()->documentMargin()));
  box->setMinimumWidth(metrics.horizontalAdvance(QString(kStatementColumns, QLatin1Char('W'))) + margins +
                       box->verticalScrollBar()->sizeHint().width());
  box->setMinimumHeight(metrics.lineSpacing() * kStatementLinesShown + margins +
                        box->horizontalScrollBar()->sizeHint().height());
  return box;
}

}  // namespace

StatementRunForm::StatementRunForm(AppServices& services, QWidget* parent, const QString& objectName,
                                   const QString& heading, Parts parts)
    : VrkDialog(services, parent), parts_(parts) {
  setObjectName(objectName);
  setWindowTitle(heading);  // until registration names the command
  setModal(true);
  setMinimumWidth(kMinimumWidth);

  auto* title = dialogHeading(heading, this);
  title->setObjectName(QStringLiteral("TitleLabel"));
  auto* row = new QHBoxLayout;
  if (parts_.choice != Choice::None) {
    const bool code = parts_.choice == Choice::ClientCode;
    choice_ = codeComboBox(
        code ? QStringLiteral("ClientCodeComboBox") : QStringLiteral("ClientGroupComboBox"), true, this);
    if (!code) fitCodeBox(choice_, kClientGroupCharacters);
    row->addWidget(new QLabel(code ? QStringLiteral("Client Code") : QStringLiteral("Client Group"), this));
    row->addWidget(choice_);
    row->addSpacing(16);
  }
  date_ = statementDateBox(this);
  row->addWidget(new QLabel(QStringLiteral("Statement Date"), this));
  row->addWidget(date_);
  if (parts_.display) {
    auto* displayButton = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
    connect(displayButton, &QPushButton::clicked, this, [this] { display(); });
    row->addSpacing(16);
    row->addWidget(displayButton);
  }
  row->addStretch();
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  if (parts_.display) text_ = statementBox(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(row);
  if (parts_.final) layout->addLayout(ledesFolderRow());
  layout->addWidget(progress_);
  if (text_) layout->addWidget(text_, 1);
  auto* buttons = printCancelRow(this, [this] { print(); });
  if (parts_.display) {
    auto* saveLedes = namedButton(QStringLiteral("Save As &LEDES..."), QStringLiteral("SaveAsLedesButton"), this);
    connect(saveLedes, &QPushButton::clicked, this, [this] { saveAsLedes(); });
    buttons->insertWidget(1, saveLedes);  // beside Print
    chooseLedesFile_ = [this](const QString& suggested) {
      return QFileDialog::getSaveFileName(this, QStringLiteral("Save As LEDES"), suggested,
                                          QStringLiteral("LEDES files (*.txt);;All files (*)"));
    };
  }
  layout->addLayout(buttons);
}

// The choice a final run has: its LEDES files in a folder, the box enabled while it is ticked.
QLayout* StatementRunForm::ledesFolderRow() {
  ledes_ = new QCheckBox(QStringLiteral("Also save &LEDES files to..."), this);
  ledes_->setObjectName(QStringLiteral("LedesCheckBox"));
  ledesFolder_ = new QLineEdit(this);
  ledesFolder_->setObjectName(QStringLiteral("LedesFolderEdit"));
  ledesFolder_->setEnabled(false);
  auto* browse = namedButton(QStringLiteral("Browse..."), QStringLiteral("LedesBrowseButton"), this);
  browse->setAutoDefault(false);
  browse->setEnabled(false);
  connect(ledes_, &QCheckBox::toggled, ledesFolder_, &QWidget::setEnabled);
  connect(ledes_, &QCheckBox::toggled, browse, &QWidget::setEnabled);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Save LEDES Files To"),
                                                             ledesFolder_->text());
    if (!chosen.isEmpty()) ledesFolder_->setText(QDir::toNativeSeparators(chosen));
  });
  auto* row = new QHBoxLayout;
  row->addWidget(ledes_);
  row->addWidget(ledesFolder_, 1);
  row->addWidget(browse);
  return row;
}

void StatementRunForm::saveAsLedes() {
  std::optional<interchange::LedesFile> file;
  const auto date = date_->date();
  interchange::LedesRequest request;
  request.client = choice();
  request.period = services().session.billingPeriod;
  request.statementDate = {date.year(), date.month(), date.day()};
  act([&] {
    dialog::Outcome outcome;
    file = interchange::clientLedes(folder(), request, outcome);
    return outcome;
  });
  if (!file) return;
  const QString chosen = chooseLedesFile_(QString::fromStdString(request.client) + QStringLiteral("-DRAFT.txt"));
  if (chosen.isEmpty()) return;
  act([&] { return interchange::saveLedesFile(*file, platform::toPath(chosen)); });
}

bool StatementRunForm::reload() {
  return load([this] {
    const auto lists = statements::loadRunDialogLists(folder());
    if (choice_)
      fillComboBox(choice_, parts_.choice == Choice::ClientCode ? lists.codes : lists.groups, true);
    const auto today = services().clock.today();
    date_->setDate(QDate(today.year, today.month, today.day));
    progress_->setRange(0, parts_.display ? kClientDraftSteps : lists.clientCount);
    progress_->setValue(0);
    if (text_) text_->clear();
  });
}

int StatementRunForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void StatementRunForm::done(int result) {
  VrkDialog::done(result);
  if (choice_) choice_->clear();
  if (text_) text_->clear();
}

std::string StatementRunForm::choice() const { return choice_ ? storedText(choice_) : std::string(); }

statements::RunOptions StatementRunForm::runOptions(document::SinkKind sink) {
  statements::RunOptions options;
  const QDate date = date_->date();
  options.statementDate = {date.year(), date.month(), date.day()};
  options.sink = sink;
  options.progress = [this](int value) { showProgress(value); };
  if (ledes_ && ledes_->isChecked()) options.ledesFolder = platform::toPath(ledesFolder_->text());
  if (parts_.final) {
    options.archive = [date = options.statementDate](const document::Document& printed) {
      return platform::documentPdfBytes(printed, date);
    };
  }
  return options;
}

void StatementRunForm::showProgress(int value) {
  progress_->setValue(value);
  // Repaints without taking clicks or keys: a second run cannot start inside this one.
  if (value % kClientsBetweenRepaints == 0)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StatementRunForm::run(document::SinkKind sink, const Runner& runner) {
  progress_->setValue(0);
  if (sink == document::SinkKind::Screen && text_) text_->clear();
  std::optional<statements::RunResult> result;
  act([&] {
    result = runner(runOptions(sink));
    dialog::Outcome messages = result->outcome;
    messages.closing = dialog::Closing::Stay;  // the document comes before the dialog closes
    return messages;
  });
  if (!result) return;  // a file error has been shown

  dialog::Outcome after;
  after.closing = result->outcome.closing;
  if (!result->document.lines.empty()) {
    if (sink == document::SinkKind::Screen && text_) {
      platform::showDocument(*text_, result->document);
    } else if (!services().printer.print(this, result->document)) {
      if (!parts_.final) return;  // a draft can be printed again from the open dialog
      after.warning(statements::kFinalStatementsNotPrinted);
    }
  }
  act([&] { return after; });
}

TPrintDraftStatementForAClientForm::TPrintDraftStatementForAClientForm(AppServices& services, QWidget* parent)
    : StatementRunForm(services, parent, QStringLiteral("TPrintDraftStatementForAClientForm"),
                       QStringLiteral("Display/Print Draft Statement For A Client"),
                       {Choice::ClientCode, false, true}) {}

void TPrintDraftStatementForAClientForm::display() {
  run(document::SinkKind::Screen, [this](const statements::RunOptions& options) {
    return statements::runClientDraft(folder(), choice(), options);
  });
}

void TPrintDraftStatementForAClientForm::print() {
  run(document::SinkKind::Printer, [this](const statements::RunOptions& options) {
    return statements::runClientDraft(folder(), choice(), options);
  });
}

StatementGroupForm::StatementGroupForm(AppServices& services, QWidget* parent, const QString& objectName,
                                       const QString& heading, bool final)
    : StatementRunForm(services, parent, objectName, heading, {Choice::ClientGroup, final, false}) {}

void StatementGroupForm::print() {
  run(document::SinkKind::Printer, [this](const statements::RunOptions& options) {
    return statements::runGroup(folder(), choice(), finalRun(), services().settings, options);
  });
}

TPrintDraftStatementsForAClientGroupForm::TPrintDraftStatementsForAClientGroupForm(AppServices& services,
                                                                                   QWidget* parent)
    : StatementGroupForm(services, parent, QStringLiteral("TPrintDraftStatementsForAClientGroupForm"),
                         QStringLiteral("Print Draft Statements For A Client Group"), false) {}

TPrintFinalStatementsForAClientGroupForm::TPrintFinalStatementsForAClientGroupForm(AppServices& services,
                                                                                   QWidget* parent)
    : StatementGroupForm(services, parent, QStringLiteral("TPrintFinalStatementsForAClientGroupForm"),
                         QStringLiteral("Print Final Statements For A Client Group"), true) {}

StatementAllGroupsForm::StatementAllGroupsForm(AppServices& services, QWidget* parent,
                                               const QString& objectName, const QString& heading, bool final)
    : StatementRunForm(services, parent, objectName, heading, {Choice::None, final, false}) {}

void StatementAllGroupsForm::print() {
  run(document::SinkKind::Printer, [this](const statements::RunOptions& options) {
    return statements::runAllGroups(folder(), finalRun(), services().settings, options);
  });
}

TPrintDraftStatementsForAllClientsForm::TPrintDraftStatementsForAllClientsForm(AppServices& services,
                                                                               QWidget* parent)
    : StatementAllGroupsForm(services, parent, QStringLiteral("TPrintDraftStatementsForAllClientsForm"),
                             QStringLiteral("Print Draft Statements For All Client Groups"), false) {}

TPrintFinalStatementsForAllClientsForm::TPrintFinalStatementsForAllClientsForm(AppServices& services,
                                                                               QWidget* parent)
    : StatementAllGroupsForm(services, parent, QStringLiteral("TPrintFinalStatementsForAllClientsForm"),
                             QStringLiteral("Print Final Statements For All Client Groups"), true) {}

void registerStatementDialogs(Application& app, AppServices& services) {
  addCommandForm<TPrintDraftStatementForAClientForm>(app, services, "TPrintDraftStatementForAClientForm");
  addCommandForm<TPrintDraftStatementsForAClientGroupForm>(app, services,
                                                           "TPrintDraftStatementsForAClientGroupForm");
  addCommandForm<TPrintDraftStatementsForAllClientsForm>(app, services,
                                                         "TPrintDraftStatementsForAllClientsForm");
  addCommandForm<TPrintFinalStatementsForAClientGroupForm>(app, services,
                                                           "TPrintFinalStatementsForAClientGroupForm");
  addCommandForm<TPrintFinalStatementsForAllClientsForm>(app, services,
                                                         "TPrintFinalStatementsForAllClientsForm");
}

}  // namespace vrk::ui
