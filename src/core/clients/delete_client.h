// The logic of `TDeleteClientForm`: Display, and Delete with the question about the client's matters.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/clients/client_display.h"
#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"

namespace vrk::clients {

class DeleteClient {
 public:
  explicit DeleteClient(std::filesystem::path folder);  // loads the code list

  const std::vector<std::string>& codes() const { return codes_; }

  dialog::Outcome display(const std::string& code);
  const std::optional<DisplayedClient>& shown() const { return shown_; }

  // Deletes the displayed client, which must still be the one in the code combo box (`selected`):
  // asks whether its matters go too, removes the client and closes with OK.
  dialog::Outcome remove(const std::string& selected, dialog::Prompter& prompter);

 private:
  std::filesystem::path folder_;
  std::vector<std::string> codes_;
  std::optional<DisplayedClient> shown_;
};

}  // namespace vrk::clients
