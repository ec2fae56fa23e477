// A dialog's answer that shows one message box and leaves the dialog open.
#pragma once

#include <string>

#include "core/dialog/outcome.h"

namespace vrk::attorneys {

inline dialog::Outcome refusal(std::string text, dialog::MessageKind kind = dialog::MessageKind::Error) {
  dialog::Outcome outcome;
  outcome.add(kind, std::move(text));
  return outcome;
}

inline dialog::Outcome closedWithOk() {
  dialog::Outcome outcome;
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::attorneys
