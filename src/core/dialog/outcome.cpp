#include "core/dialog/outcome.h"

namespace vrk::dialog {

const char* messageKindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error: return "error";
    case MessageKind::Warning: return "warning";
    case MessageKind::Information: return "information";
    case MessageKind::Confirmation: return "confirmation";
  }
  return "error";
}

}  // namespace vrk::dialog
