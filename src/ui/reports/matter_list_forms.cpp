#include "ui/reports/matter_list_forms.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "platform/document_view.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/printer_choice.h"
#include "ui/shell/application.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

using namespace clientforms;

namespace {

// A long run lets the window repaint its progress bar after this many matters.
constexpr int kMattersBetweenRepaints = 50;
constexpr int kMinimumWidth = 480;
constexpr int kListWidth = 780;
constexpr int kListHeight = 600;

}  // namespace

MatterListForm::MatterListForm(AppServices& services, QWidget* parent, const QString& objectName,
                               const QString& heading, Choice choice, bool display)
    : VrkDialog(services, parent), choiceKind_(choice) {
  setObjectName(objectName);
  setWindowTitle(heading);  // until registration names the command
  setModal(true);
  setMinimumWidth(kMinimumWidth);

  auto* title = dialogHeading(heading, this);
  title->setObjectName(QStringLiteral("TitleLabel"));
  auto* row = new QHBoxLayout;
  if (choice != Choice::None) {
    const bool code = choice == Choice::ClientCode;
    choice_ = codeComboBox(
        code ? QStringLiteral("ClientCodeComboBox") : QStringLiteral("ClientGroupComboBox"), true, this);
    fitCodeBox(choice_, code ? kClientCodeCharacters : kClientGroupCharacters);
    row->addWidget(new QLabel(code ? QStringLiteral("Client Code") : QStringLiteral("Client Group"), this));
    row->addWidget(choice_);
    row->addSpacing(16);
  }
  if (display) {
    auto* displayButton = namedButton(QStringLiteral("Display"), QStringLiteral("DisplayButton"), this);
    connect(displayButton, &QPushButton::clicked, this, [this] { run(document::SinkKind::Screen); });
    row->addWidget(displayButton);
  }
  row->addStretch();
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->hide();
  if (display) {
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    platform::prepareDocumentBox(*memo_);
    resize(kListWidth, kListHeight);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(row);
  layout->addWidget(progress_);
  if (memo_) layout->addWidget(memo_, 1);
  layout->addLayout(printCancelRow(this, [this] { run(document::SinkKind::Printer); }));
}

bool MatterListForm::reload() {
  return load([this] {
    progress_->hide();
    progress_->setValue(0);
    if (memo_) memo_->clear();
    if (!choice_) return;
    const auto lists = reports::loadMatterListDialogLists(folder());
    fillComboBox(choice_, choiceKind_ == Choice::ClientCode ? lists.codes : lists.groups, true);
  });
}

int MatterListForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void MatterListForm::done(int result) {
  VrkDialog::done(result);
  if (choice_) choice_->clear();
  if (memo_) memo_->clear();
}

void MatterListForm::showProgress(int done, int total) {
  progress_->setRange(0, total);
  progress_->setValue(done);
  // Repaints without taking clicks or keys: a second run cannot start inside this one.
  if (done % kMattersBetweenRepaints == 0)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MatterListForm::run(document::SinkKind sink) {
  progress_->setValue(0);
  progress_->show();
  const std::string typed = choice_ ? storedText(choice_) : std::string();
  reports::MatterListRun options{services().session.billingPeriod, services().clock.today(), sink,
                                 [this](int done, int total) { showProgress(done, total); }};
  std::optional<reports::MatterListResult> result;
  act([&] {
    result = runReport(typed, options);
    return dialog::Outcome{};  // the document comes before the run's boxes
  });
  if (!result) return;  // a file error has been shown
  if (!result->document.lines.empty()) {
    if (sink == document::SinkKind::Screen && memo_) {
      platform::showDocument(*memo_, result->document);
    } else if (!services().printer.print(this, result->document)) {
      return;  // printing failed or was cancelled: the dialog stays open
    }
  }
  act([&] { return result->outcome; });
}

MatterListReportForm::MatterListReportForm(AppServices& services, QWidget* parent, const QString& objectName,
                                           const QString& heading, reports::MatterListKind kind)
    : MatterListForm(services, parent, objectName, heading,
                     kind == reports::MatterListKind::ClientGroup ? Choice::ClientGroup
                     : kind == reports::MatterListKind::Client    ? Choice::ClientCode
                                                                  : Choice::None,
                     true),
      kind_(kind) {}

reports::MatterListResult MatterListReportForm::runReport(const std::string& choice,
                                                          const reports::MatterListRun& run) {
  return reports::runMatterList(folder(), kind_, choice, run);
}

TPrintMattersForClientGroupForm::TPrintMattersForClientGroupForm(AppServices& services, QWidget* parent)
    : MatterListReportForm(services, parent, QStringLiteral("TPrintMattersForClientGroupForm"),
                           QStringLiteral("Display/Print Matters For Client Group"),
                           reports::MatterListKind::ClientGroup) {}

TPrintMattersForAllClientsForm::TPrintMattersForAllClientsForm(AppServices& services, QWidget* parent)
    : MatterListReportForm(services, parent, QStringLiteral("TPrintMattersForAllClientsForm"),
                           QStringLiteral("Display/Print Matter List"), reports::MatterListKind::AllClients) {
}

TPrintMattersForClientForm::TPrintMattersForClientForm(AppServices& services, QWidget* parent)
    : MatterListReportForm(services, parent, QStringLiteral("TPrintMattersForClientForm"),
                           QStringLiteral("Display/Print Matters For Client"),
                           reports::MatterListKind::Client) {}

TPrintAllMatterDataForAClientForm::TPrintAllMatterDataForAClientForm(AppServices& services, QWidget* parent)
    : MatterListForm(services, parent, QStringLiteral("TPrintAllMatterDataForAClientForm"),
                     QStringLiteral("Print All Matter Data For Client"), Choice::ClientCode, false) {}

reports::MatterListResult TPrintAllMatterDataForAClientForm::runReport(const std::string& choice,
                                                                       const reports::MatterListRun& run) {
  return reports::printAllMatterData(folder(), choice, run);
}

void registerMatterListDialogs(Application& app, AppServices& services) {
  addCommandForm<TPrintAllMatterDataForAClientForm>(app, services, "TPrintAllMatterDataForAClientForm");
  addCommandForm<TPrintMattersForClientForm>(app, services, "TPrintMattersForClientForm");
  addCommandForm<TPrintMattersForClientGroupForm>(app, services, "TPrintMattersForClientGroupForm");
  addCommandForm<TPrintMattersForAllClientsForm>(app, services, "TPrintMattersForAllClientsForm");
}

}  // namespace vrk::ui
