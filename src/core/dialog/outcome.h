// What a dialog's logic answers to a button: message boxes, close or stay, texts to write back.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vrk::dialog {

enum class MessageKind { Error, Warning, Information, Confirmation };

// One message box. Text uses "\r\n" for the line break inside the box, as shown to the user.
struct Message {
  MessageKind kind = MessageKind::Error;
  std::string text;
  bool question = false;  // a Yes/No box, already asked through the Prompter

  bool operator==(const Message&) const = default;
};

enum class Closing { Stay, Ok, Cancel };

struct Outcome {
  std::vector<Message> messages;  // in the order they are shown
  Closing closing = Closing::Stay;
  std::map<std::string, std::string> writeBack;  // box name -> normalised text to show

  Outcome& error(std::string text) { return add(MessageKind::Error, std::move(text)); }
  Outcome& warning(std::string text) { return add(MessageKind::Warning, std::move(text)); }
  Outcome& information(std::string text) { return add(MessageKind::Information, std::move(text)); }
  Outcome& add(MessageKind kind, std::string text) {
    messages.push_back({kind, std::move(text)});
    return *this;
  }
  bool closed() const { return closing != Closing::Stay; }
};

const char* messageKindName(MessageKind kind);

// A message's text with each of its line breaks ("\r\n", "\n\r", "\n" or "\r") as one "\n".
std::string plainLineBreaks(const std::string& text);  // "error", "warning", "information", "confirmation"

}  // namespace vrk::dialog
