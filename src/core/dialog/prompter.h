// Asks the user a Yes/No question on behalf of dialog logic (a message box, a test, --yes/--no).
#pragma once

#include <string>

namespace vrk::dialog {

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows a confirmation box with Yes and No; true for Yes.
  virtual bool askYesNo(const std::string& text) = 0;
};

// Answers every question the same way and remembers what was asked (tests, vrk-batch).
class FixedPrompter : public Prompter {
 public:
  explicit FixedPrompter(bool answer) : answer_(answer) {}
  bool askYesNo(const std::string& text) override {
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
