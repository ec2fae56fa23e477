#include "ui/shell/opening_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vrk::ui {
namespace {

const char* const kHelpEntries[] = {
    "Setup",           "Data Entry",         "Clients", "Attorneys", "Matters",
    "Billing Records", "Monthly Statements", "Reports"};

// The opening picture: a ledger page with the program's name.
QPixmap openingPicture() {
  QPixmap picture(220, 260);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(QColor(250, 247, 236));
  painter.setPen(QPen(QColor(90, 70, 40), 2));
  painter.drawRoundedRect(QRectF(10, 10, 200, 240), 6, 6);
  painter.setPen(QPen(QColor(170, 190, 210), 1));
  for (int y = 60; y < 240; y += 18) painter.drawLine(24, y, 196, y);
  painter.setPen(QPen(QColor(200, 90, 90), 1));
  painter.drawLine(60, 60, 60, 240);
  painter.setPen(QColor(40, 60, 110));
  QFont font(QStringLiteral("Serif"), 30, QFont::Bold);
  painter.setFont(font);
  painter.drawText(QRectF(10, 14, 200, 44), Qt::AlignCenter, QStringLiteral("VRK"));
  painter.setFont(QFont(QStringLiteral("Monospace"), 9));
  const char* lines[] = {"01/05  JD  2.5", "01/09  AB  1.0", "01/12  JD  0.3", "01/15  MK  4.0"};
  int y = 75;
  for (const char* line : lines) {
    painter.drawText(66, y, QString::fromLatin1(line));
    y += 18;
  }
  return picture;
}

}  // namespace

void addHelpMenu(QMainWindow* window, const QString& title, const QString& indent,
                 const std::function<void(int)>& open, const std::function<void()>& about) {
  QMenu* help = window->menuBar()->addMenu(title);
  help->setObjectName(QStringLiteral("HelpMenu"));
  int page = 0;
  for (const char* entry : kHelpEntries) {
    const int index = page++;
    help->addAction(indent + QString::fromLatin1(entry), window, [open, index] { open(index); });
  }
  help->addSeparator();
  help->addAction(indent + QStringLiteral("&About VRK"), window, [about] { about(); });
}

TOpeningForm::TOpeningForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("TOpeningForm"));
  setWindowTitle(QStringLiteral("VRK"));
  setFixedSize(688, 442);

  QMenu* file = menuBar()->addMenu(QStringLiteral("      &File"));
  file->setObjectName(QStringLiteral("FileMenu"));
  file->addAction(QStringLiteral("&Backup"), this, &TOpeningForm::backupRequested);
  file->addAction(QStringLiteral("&Restore"), this, &TOpeningForm::restoreRequested);
  file->addSeparator();
  file->addAction(QStringLiteral("E&xit"), this, &TOpeningForm::exitRequested);
  addHelpMenu(this, QStringLiteral("      &Help"), QString(),
              [this](int page) { Q_EMIT helpRequested(page); }, [this] { Q_EMIT aboutRequested(); });

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("PictureImage"));
  picture->setPixmap(openingPicture());
  auto* name = new QLabel(QStringLiteral("VRK Time and Billing"), this);
  name->setObjectName(QStringLiteral("ProgramNameLabel"));
  QFont nameFont = name->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 2.0);
  nameFont.setBold(true);
  name->setFont(nameFont);
  auto* subtitle = new QLabel(QStringLiteral("Time, costs and monthly statements for the law office"), this);
  auto* version = new QLabel(QStringLiteral("Version ") + QApplication::applicationVersion(), this);
  version->setObjectName(QStringLiteral("VersionLabel"));

  auto* continueButton = new QPushButton(QStringLiteral("&Continue"), this);
  continueButton->setObjectName(QStringLiteral("ContinueButton"));
  continueButton->setDefault(true);
  continueButton->setMinimumWidth(120);
  auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
  exitButton->setObjectName(QStringLiteral("ExitButton"));
  exitButton->setMinimumWidth(120);
  connect(continueButton, &QPushButton::clicked, this, &TOpeningForm::continueRequested);
  connect(exitButton, &QPushButton::clicked, this, &TOpeningForm::exitRequested);

  auto* text = new QVBoxLayout;
  text->addStretch();
  text->addWidget(name);
  text->addWidget(subtitle);
  text->addSpacing(12);
  text->addWidget(version);
  text->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(continueButton);
  buttons->addWidget(exitButton);
  buttons->addStretch();
  text->addLayout(buttons);
  text->addSpacing(20);

  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(30, 20, 30, 10);
  layout->addWidget(picture);
  layout->addSpacing(30);
  layout->addLayout(text, 1);
  setCentralWidget(central);
  continueButton->setFocus();
}

void TOpeningForm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  Q_EMIT exitRequested();
}

}  // namespace vrk::ui
