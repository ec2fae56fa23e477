// The logic of `TChangeClientForm`: Display, and Save with the same or a new client code.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/clients/client_display.h"
#include "core/dialog/outcome.h"

namespace vrk::clients {

class ChangeClient {
 public:
  // Loads the code list and the group list for the combo boxes.
  explicit ChangeClient(std::filesystem::path folder);

  const std::vector<std::string>& codes() const { return codes_; }
  const std::vector<std::string>& groups() const { return groups_; }

  dialog::Outcome display(const std::string& code);
  const std::optional<DisplayedClient>& shown() const { return shown_; }

  // Tests the code, the group and the ten amounts (typed text) in this order and reports only the
  // last failure; valid amounts are written back as currency text (under their field names).
  // Saves the displayed client: in place, or under a new code that carries the client's matters
  // and billing records along. A group missing from the group list is added to it.
  dialog::Outcome save(const ClientFields& fields);

 private:
  std::filesystem::path folder_;
  std::vector<std::string> codes_;
  std::vector<std::string> groups_;
  std::optional<DisplayedClient> shown_;
};

}  // namespace vrk::clients
