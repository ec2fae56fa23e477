#include "ui/reports/mailing_label_forms.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/printer_choice.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

using namespace clientforms;

namespace {

// A long run lets the window repaint its progress bar after this many labels.
constexpr int kLabelsBetweenRepaints = 50;
constexpr int kGridCellWidth = 72;

// The progress bar shown and following the labels made, repainted now and then without taking
// clicks or keys, so that a second printing cannot start inside this one.
reports::LabelProgress following(QProgressBar* bar) {
  bar->setValue(0);
  bar->show();
  return [bar](int done, int total) {
    bar->setRange(0, total);
    bar->setValue(done);
    if (done % kLabelsBetweenRepaints == 0)
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
}

// Prints the label sheets; the PDF file's name is offered as "Mailing Labels <date>.pdf".
bool printLabels(AppServices& services, QWidget* parent, const document::Document& labels) {
  platform::PrintOptions options;
  options.title = QStringLiteral("Mailing Labels");
  return services.printer.print(parent, labels, options);
}


}  // namespace

TPrintMailingLabelsForSelectedClientsForm::TPrintMailingLabelsForSelectedClientsForm(AppServices& services,
                                                                                     QWidget* parent)
    : VrkDialog(services, parent),
      code_(codeComboBox(QStringLiteral("ClientCodeComboBox"), true, this)),
      grid_(new QTableWidget(1, reports::kSelectionGridColumns, this)),
      progress_(new QProgressBar(this)) {
  setObjectName(QStringLiteral("TPrintMailingLabelsForSelectedClientsForm"));
  setWindowTitle(QStringLiteral("Print Mailing Labels"));
  setModal(true);

  auto* title = dialogHeading(QStringLiteral(" Print 1-1/3 x 4 Mailing Label For Client"), this);
  title->setObjectName(QStringLiteral("TitleLabel"));
  fitCodeBox(code_, kClientCodeCharacters);
  auto* selectButton = namedButton(QStringLiteral("&Select"), QStringLiteral("SelectButton"), this);
  connect(selectButton, &QPushButton::clicked, this, [this] { select(); });
  // Enter in the code box selects, as the Select button does (the combo box hands its keys to its
  // line edit directly, so both are watched).
  code_->installEventFilter(this);
  code_->lineEdit()->installEventFilter(this);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Client Code"), this));
  row->addWidget(code_);
  row->addWidget(selectButton);
  row->addStretch();

  grid_->setObjectName(QStringLiteral("StringGrid1"));
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setDefaultSectionSize(kGridCellWidth);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setMinimumWidth(kGridCellWidth * reports::kSelectionGridColumns + 2 * grid_->frameWidth() +
                         grid_->verticalScrollBar()->sizeHint().width());
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(row);
  layout->addWidget(grid_, 1);
  layout->addWidget(progress_);
  layout->addLayout(printCancelRow(this, [this] { print(); }));
}

bool TPrintMailingLabelsForSelectedClientsForm::reload() {
  return load([this] {
    logic_.reset();
    logic_.emplace(folder());
    fillComboBox(code_, logic_->codes(), true);
    progress_->hide();
    progress_->setValue(0);
    showSelection();
  });
}

int TPrintMailingLabelsForSelectedClientsForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

void TPrintMailingLabelsForSelectedClientsForm::done(int result) {
  VrkDialog::done(result);
  logic_.reset();
  code_->clear();
  grid_->clearContents();
}

bool TPrintMailingLabelsForSelectedClientsForm::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == code_ || watched == code_->lineEdit()) && event->type() == QEvent::KeyPress) {
    const auto key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      select();
      return true;
    }
  }
  return VrkDialog::eventFilter(watched, event);
}

void TPrintMailingLabelsForSelectedClientsForm::select() {
  if (!logic_) return;
  const std::string typed = storedText(code_);
  act([&] { return logic_->select(typed); });
  showSelection();
  code_->lineEdit()->selectAll();
  code_->setFocus();
}

void TPrintMailingLabelsForSelectedClientsForm::showSelection() {
  grid_->clearContents();
  grid_->setRowCount(logic_ ? logic_->gridRows() : 1);
  if (!logic_) return;
  const auto& selection = logic_->selection();
  for (std::size_t k = 0; k < selection.size(); ++k) {
    const auto cell = static_cast<int>(k);
    grid_->setItem(cell / reports::kSelectionGridColumns, cell % reports::kSelectionGridColumns,
                   new QTableWidgetItem(platform::fromStored(selection[k])));
  }
  if (!selection.empty())
    grid_->scrollToItem(grid_->item(static_cast<int>(selection.size() - 1) / reports::kSelectionGridColumns,
                                    static_cast<int>(selection.size() - 1) % reports::kSelectionGridColumns));
}

void TPrintMailingLabelsForSelectedClientsForm::print() {
  if (!logic_) return;
  std::optional<document::Document> labels;
  act([&] {
    labels = logic_->print(following(progress_));
    return dialog::Outcome{};
  });
  if (!labels) return;  // a file error has been shown
  if (!labels->lines.empty() && !printLabels(services(), this, *labels)) return;  // can be printed again
  accept();
}

TPrintMailingLabelsForm::TPrintMailingLabelsForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      allClients_(new QRadioButton(QStringLiteral("Print Labels For All Clients"), this)),
      withActivity_(
          new QRadioButton(QStringLiteral("Print Labels Only For Clients With Billing Activity"), this)),
      toBeSelected_(new QRadioButton(QStringLiteral("Print Labels For Clients To Be Selected"), this)),
      progress_(new QProgressBar(this)),
      selected_(new TPrintMailingLabelsForSelectedClientsForm(services, this)) {
  setObjectName(QStringLiteral("TPrintMailingLabelsForm"));
  setWindowTitle(QStringLiteral("Print Mailing Labels"));  // until registration names the command
  setModal(true);

  auto* title = dialogHeading(QStringLiteral("Print 1-1/3 x 4 Mailing Labels"), this);
  title->setObjectName(QStringLiteral("TitleLabel"));
  auto* choices = new QGroupBox(this);
  choices->setObjectName(QStringLiteral("RadioGroup1"));
  allClients_->setObjectName(QStringLiteral("AllClientsRadioButton"));
  withActivity_->setObjectName(QStringLiteral("BillingActivityRadioButton"));
  toBeSelected_->setObjectName(QStringLiteral("SelectedClientsRadioButton"));
  auto* column = new QVBoxLayout(choices);
  for (auto* choice : {allClients_, withActivity_, toBeSelected_}) column->addWidget(choice);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(choices);
  layout->addWidget(progress_);
  layout->addLayout(printCancelRow(this, [this] { print(); }));
}

int TPrintMailingLabelsForm::exec() {
  withActivity_->setChecked(true);
  progress_->hide();
  progress_->setValue(0);
  return VrkDialog::exec();
}

void TPrintMailingLabelsForm::print() {
  if (toBeSelected_->isChecked()) {
    hide();
    selected_->exec();
    accept();
    return;
  }
  const auto choice = allClients_->isChecked() ? reports::LabelChoice::AllClients
                                               : reports::LabelChoice::ClientsWithBillingActivity;
  std::optional<document::Document> labels;
  act([&] {
    labels = reports::mailingLabels(folder(), choice, following(progress_));
    return dialog::Outcome{};
  });
  if (!labels) return;                                  // a file error has been shown
  if (!printLabels(services(), this, *labels)) return;  // can be printed again
  accept();
}

void registerMailingLabelDialogs(Application& app, AppServices& services) {
  addCommandForm<TPrintMailingLabelsForm>(app, services, "TPrintMailingLabelsForm");
}

}  // namespace vrk::ui
