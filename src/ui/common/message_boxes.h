// Shows the message boxes of dialog logic (errors, warnings, information, Yes/No questions).
#pragma once

#include <functional>

#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"

class QString;
class QWidget;

namespace vrk::ui {

// Shows one message box with an OK button.
void showMessage(QWidget* parent, const dialog::Message& message);

// An information box under its own caption (Help > About), the text in UTF-8; tests see it as an
// information message.
void showInformation(QWidget* parent, const QString& caption, const std::string& text);

// Shows the outcome's messages in order, except the questions, which were asked already.
void showOutcome(QWidget* parent, const dialog::Outcome& outcome);

// Asks through a box with Yes and No buttons; true for Yes.
bool askYesNo(QWidget* parent, const dialog::Message& question);

// Asks dialog logic's questions in message boxes over the given window.
class MessageBoxPrompter : public dialog::Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent) : parent_(parent) {}
  bool askYesNo(const std::string& text, dialog::MessageKind kind) override;

 private:
  QWidget* parent_;
};

// Tests replace the boxes: every message and question goes to the interceptor instead, which
// answers questions (its result is ignored for plain messages). An empty function restores them.
using MessageInterceptor = std::function<bool(const dialog::Message&)>;
void setMessageInterceptor(MessageInterceptor interceptor);

}  // namespace vrk::ui
