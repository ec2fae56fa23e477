#include "ui/common/message_boxes.h"

#include <QMessageBox>

#include "platform/text_codec.h"

namespace vrk::ui {
namespace {

MessageInterceptor& interceptor() {
  static MessageInterceptor instance;
  return instance;
}

QMessageBox::Icon iconOf(dialog::MessageKind kind) {
  switch (kind) {
    case dialog::MessageKind::Error: return QMessageBox::Critical;
    case dialog::MessageKind::Warning: return QMessageBox::Warning;
    case dialog::MessageKind::Information: return QMessageBox::Information;
    case dialog::MessageKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString titleOf(dialog::MessageKind kind) {
  switch (kind) {
    case dialog::MessageKind::Error: return QStringLiteral("Error");
    case dialog::MessageKind::Warning: return QStringLiteral("Warning");
    case dialog::MessageKind::Information: return QStringLiteral("Information");
    case dialog::MessageKind::Confirmation: return QStringLiteral("Confirm");
  }
  return {};
}

int execBox(QWidget* parent, const dialog::Message& message, QMessageBox::StandardButtons buttons) {
  QMessageBox box(iconOf(message.kind), titleOf(message.kind),
                  platform::fromStored(dialog::plainLineBreaks(message.text)), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  return box.exec();
}

}  // namespace

void setMessageInterceptor(MessageInterceptor function) { interceptor() = std::move(function); }

void showMessage(QWidget* parent, const dialog::Message& message) {
  if (interceptor()) {
    interceptor()(message);
    return;
  }
  execBox(parent, message, QMessageBox::Ok);
}

void showInformation(QWidget* parent, const QString& caption, const std::string& text) {
  if (interceptor()) {
    interceptor()({dialog::MessageKind::Information, text});
    return;
  }
  QMessageBox box(QMessageBox::Information, caption, QString::fromStdString(dialog::plainLineBreaks(text)),
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void showOutcome(QWidget* parent, const dialog::Outcome& outcome) {
  for (const auto& message : outcome.messages)
    if (!message.question) showMessage(parent, message);
}

bool askYesNo(QWidget* parent, const dialog::Message& question) {
  if (interceptor()) return interceptor()(question);
  return execBox(parent, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxPrompter::askYesNo(const std::string& text, dialog::MessageKind kind) {
  return ui::askYesNo(parent_, {kind, text, true});
}

}  // namespace vrk::ui
