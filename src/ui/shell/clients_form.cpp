#include "ui/shell/clients_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/shell/opening_form.h"

namespace vrk::ui {
namespace {

// A printer: the style has no such icon, and a save icon would say the wrong thing.
QIcon printerIcon() {
  QPixmap pixmap(28, 28);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(60, 60, 60), 1.5));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(8, 3, 12, 9));  // the sheet going in
  painter.setBrush(QColor(150, 160, 175));
  painter.drawRoundedRect(QRectF(3, 11, 22, 10), 2, 2);  // the body
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(8, 17, 12, 8));  // the printed sheet
  painter.drawLine(QPointF(10, 20), QPointF(18, 20));
  painter.drawLine(QPointF(10, 22.5), QPointF(18, 22.5));
  return QIcon(pixmap);
}

// An icon after the command's first word.
QIcon commandIcon(const QStyle* style, const std::string& label) {
  const auto starts = [&](const char* word) { return label.rfind(word, 0) == 0; };
  QStyle::StandardPixmap pixmap = QStyle::SP_FileDialogContentsView;
  if (starts("Add")) {
    pixmap = QStyle::SP_FileDialogNewFolder;
  } else if (starts("Delete")) {
    pixmap = QStyle::SP_TrashIcon;
  } else if (starts("Change")) {
    pixmap = QStyle::SP_FileDialogDetailedView;
  } else if (starts("Review")) {
    pixmap = QStyle::SP_FileDialogListView;
  } else if (starts("Print")) {
    return printerIcon();
  }
  return style->standardIcon(pixmap);
}

const char* tabMnemonic(shell::Tab tab) {
  switch (tab) {
    case shell::Tab::Clients:
      return "    &Clients    ";
    case shell::Tab::Attorneys:
      return "    &Attorneys    ";
    case shell::Tab::Matters:
      return "    &Matters    ";
    case shell::Tab::BillingRecords:
      return "    &Billing Records    ";
    case shell::Tab::MonthlyStatements:
      return "    Monthly &Statements    ";
    case shell::Tab::Reports:
      return "    &Reports    ";
  }
  return "";
}

}  // namespace

QString commandButtonName(const std::string& label) {
  QString name;
  bool capital = true;
  for (const char c : label) {
    if (c == ' ' || c == '/') {
      capital = true;
      continue;
    }
    name += capital ? QChar::fromLatin1(c).toUpper() : QChar::fromLatin1(c);
    capital = false;
  }
  return name + QStringLiteral("Button");
}

TClientsForm::TClientsForm(QWidget* parent)
    : QMainWindow(parent), tabs_(new QTabWidget(this)), periodLabel_(new QLabel(this)),
      statusLine_(new QLabel(this)) {
  setObjectName(QStringLiteral("TClientsForm"));
  // A permanent label, so that menus' status tips do not wipe the line.
  statusLine_->setObjectName(QStringLiteral("StatusLineLabel"));
  statusLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  statusBar()->addWidget(statusLine_, 1);
  setWindowTitle(QStringLiteral("VRK"));

  QMenu* file = menuBar()->addMenu(QStringLiteral("             &File"));
  file->setObjectName(QStringLiteral("FileMenu"));
  file->addAction(QStringLiteral("       &Backup"), this, &TClientsForm::backupRequested);
  file->addAction(QStringLiteral("       &Restore"), this, &TClientsForm::restoreRequested);
  file->addSeparator();
  file->addAction(QStringLiteral("       &Import Records..."), this, &TClientsForm::importRecordsRequested);
  file->addAction(QStringLiteral("       Re&print Final Statements..."), this, &TClientsForm::reprintRequested);
  file->addSeparator();
  file->addAction(QStringLiteral("       E&xit"), this, &TClientsForm::endRequested);
  addHelpMenu(this, QStringLiteral("            &Help"), QStringLiteral("      "),
              [this](int page) { Q_EMIT helpRequested(page); }, [this] { Q_EMIT aboutRequested(); });

  tabs_->setObjectName(QStringLiteral("CommandTabs"));
  for (const shell::Tab tab : shell::kAllTabs)
    tabs_->addTab(makePage(tab), QString::fromLatin1(tabMnemonic(tab)));
  connect(tabs_, &QTabWidget::currentChanged, this, [this] {
    Q_EMIT periodShouldOpen();
    focusFirstCommand();
  });
  tabs_->tabBar()->installEventFilter(this);

  periodLabel_->setObjectName(QStringLiteral("BillingPeriodLabel"));
  QFont labelFont = periodLabel_->font();
  labelFont.setBold(true);
  labelFont.setPointSizeF(labelFont.pointSizeF() * 1.15);
  periodLabel_->setFont(labelFont);
  auto* changePeriod = new QPushButton(QStringLiteral("Change Billing &Period"), this);
  changePeriod->setObjectName(QStringLiteral("ChangeBillingPeriodButton"));
  auto* changePrinter = new QPushButton(QStringLiteral("Change Prin&ter"), this);
  changePrinter->setObjectName(QStringLiteral("ChangePrinterButton"));
  auto* exit = new QPushButton(QStringLiteral("E&xit"), this);
  exit->setObjectName(QStringLiteral("ExitButton"));
  connect(changePeriod, &QPushButton::clicked, this, &TClientsForm::changeBillingPeriodRequested);
  connect(changePrinter, &QPushButton::clicked, this, &TClientsForm::changePrinterRequested);
  connect(exit, &QPushButton::clicked, this, &TClientsForm::exitRequested);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(periodLabel_);
  bottom->addStretch();
  for (auto* button : {changePeriod, changePrinter, exit}) {
    button->setMinimumWidth(170);
    bottom->addWidget(button);
  }
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(tabs_, 1);
  layout->addLayout(bottom);
  setCentralWidget(central);
  setMinimumSize(800, 600);
}

QWidget* TClientsForm::makePage(shell::Tab tab) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(shell::tabCaption(tab)).remove(QLatin1Char(' ')) +
                      QStringLiteral("Page"));
  auto* column = new QVBoxLayout(page);
  column->setSpacing(6);
  column->setContentsMargins(24, 18, 24, 18);
  std::vector<QPushButton*> buttons;
  for (const shell::Command* command : shell::commandsOn(tab)) {
    auto* button = new QPushButton(page);
    button->setObjectName(commandButtonName(command->label));
    button->setText(QString::fromStdString(command->label));
    button->setIcon(commandIcon(style(), command->label));
    button->setIconSize(QSize(28, 28));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setMinimumHeight(38);
    button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 10px; }"));
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(true);  // Enter, like Space, presses the focused command
    connect(button, &QPushButton::clicked, this, [this, command] { Q_EMIT commandRequested(command); });
    column->addWidget(button, 0, Qt::AlignLeft);
    buttons.push_back(button);
  }
  // One width for the column: the widest label's.
  int width = 0;
  for (const auto* button : buttons) width = std::max(width, button->sizeHint().width() + 24);
  for (auto* button : buttons) button->setFixedWidth(width);
  column->addStretch();
  auto* scroll = new QScrollArea;
  scroll->setWidget(page);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  return scroll;
}

void TClientsForm::setBillingPeriodLabel(const QString& text) { periodLabel_->setText(text); }

// The keyboard goes on in the page chosen (Alt+letter): on its first command.
void TClientsForm::focusFirstCommand() {
  if (auto* first = tabs_->currentWidget()->findChild<QPushButton*>()) first->setFocus(Qt::TabFocusReason);
}

bool TClientsForm::eventFilter(QObject* watched, QEvent* event) {
  // Alt+letter of the tab already shown changes no tab, but still means "go to its commands".
  if (watched == tabs_->tabBar() && event->type() == QEvent::Shortcut)
    QTimer::singleShot(0, this, &TClientsForm::focusFirstCommand);
  return QMainWindow::eventFilter(watched, event);
}

void TClientsForm::setStatusLine(const QString& text) { statusLine_->setText(text); }

void TClientsForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  Q_EMIT periodShouldOpen();
}

void TClientsForm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (!ending_) {
    ending_ = true;
    Q_EMIT endRequested();
  }
}

}  // namespace vrk::ui
