// Asks the user a Yes/No question on behalf of dialog logic (a message box, a test, --yes/--no).
#pragma once

#include <string>

#include "core/dialog/outcome.h"

namespace vrk::dialog {

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows a box of the given kind with Yes and No buttons; true for Yes.
  virtual bool askYesNo(const std::string& text, MessageKind kind) = 0;
};

// Asks through the prompter and records the question in the outcome among its messages, so the
// outcome lists every box the user saw, in order.
inline bool ask(Outcome& outcome, Prompter& prompter, std::string text,
                MessageKind kind = MessageKind::Confirmation) {
  const bool yes = prompter.askYesNo(text, kind);
  outcome.messages.push_back({kind, std::move(text), true});
  return yes;
}

// Answers every question the same way and remembers what was asked (tests, vrk-batch).
class FixedPrompter : public Prompter {
 public:
  explicit FixedPrompter(bool answer) : answer_(answer) {}
  bool askYesNo(const std::string& text, MessageKind) override {
    asked_ = text;
    ++count_;
    return answer_;
  }
  const std::string& lastQuestion() const { return asked_; }
  int questionsAsked() const { return count_; }

 private:
  bool answer_;
  std::string asked_;
  int count_ = 0;
};

}  // namespace vrk::dialog
