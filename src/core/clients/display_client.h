// The logic of `TDisplayClientForm`: Display, and Print of the client data print-out.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/clients/client_display.h"
#include "core/dialog/outcome.h"
#include "core/document/document.h"
#include "core/store/dates.h"

namespace vrk::clients {

// What a Print button answers: the messages and closing, and the document to print, if any.
struct PrintOutcome {
  dialog::Outcome outcome;
  std::optional<document::Document> document;
};

class DisplayClient {
 public:
  // `period` (MMYYYY) is the billing period the print-out names.
  DisplayClient(std::filesystem::path folder, std::string period);

  const std::vector<std::string>& codes() const { return codes_; }

  dialog::Outcome display(const std::string& code);
  const std::optional<DisplayedClient>& shown() const { return shown_; }

  // The print-out of the displayed client, then OK; "NO CLIENT HAS BEEN SELECTED" before a Display.
  PrintOutcome print(const store::CalendarDate& today);

 private:
  std::filesystem::path folder_;
  std::string period_;
  std::vector<std::string> codes_;
  std::optional<DisplayedClient> shown_;
};

}  // namespace vrk::clients
