#include "ui/help/help_page_form.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QTextCursor>
#include <QVBoxLayout>

#include "platform/document_fonts.h"
#include "platform/text_codec.h"
#include "ui/common/app_services.h"
#include "ui/common/printer_choice.h"

namespace vrk::ui {
namespace {

constexpr int kTextHeightPixels = 13;

QString qText(std::string_view text) { return platform::fromStored(std::string(text)); }

}  // namespace

HelpPageForm::HelpPageForm(help::HelpPage page, AppServices& services, QWidget* parent)
    : QDialog(parent), page_(page), services_(services), textBox_(new QPlainTextEdit(this)) {
  const help::HelpPageInfo& info = help::helpPageInfo(page);
  setObjectName(qText(info.formName));
  setWindowTitle(qText(info.caption));
  setModal(true);
  resize(720, 600);

  // A proportional font, 13 pixels high; the lines wrap at the box's width, so it scrolls only
  // up and down. The box can be typed into, but nothing typed there is kept.
  textBox_->setObjectName(QStringLiteral("HelpTextBox"));
  QFont font = platform::arialFont(10);
  font.setPixelSize(kTextHeightPixels);
  textBox_->setFont(font);
  textBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* printButton = new QPushButton(QStringLiteral("Print"), this);
  printButton->setObjectName(QStringLiteral("PrintButton"));
  printButton->setAutoDefault(false);
  auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
  closeButton->setObjectName(QStringLiteral("CloseButton"));
  closeButton->setDefault(true);
  connect(printButton, &QPushButton::clicked, this, &HelpPageForm::print);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(printButton);
  buttons->addWidget(closeButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(textBox_);
  layout->addLayout(buttons);
}

void HelpPageForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) fill();
}

void HelpPageForm::done(int result) {
  textBox_->clear();
  QDialog::done(result);
}

void HelpPageForm::fill() {
  textBox_->clear();
  QStringList lines;
  for (const auto& line : help::helpDocument(page_, document::SinkKind::Screen).lines)
    lines.append(platform::fromStored(line.text()));
  textBox_->setPlainText(lines.join(QLatin1Char('\n')));
  textBox_->moveCursor(QTextCursor::Start);
}

void HelpPageForm::print() {
  services_.printer.print(this, help::helpDocument(page_, document::SinkKind::Printer));
}

}  // namespace vrk::ui
