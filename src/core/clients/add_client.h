// The logic of `TAddClientForm`: the lists it opens with and what Save does.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/clients/client_fields.h"
#include "core/dialog/outcome.h"

namespace vrk::clients {

class AddClient {
 public:
  // Loads the code and group lists for the combo boxes when the code list, group list, data-slot
  // file and data file all exist.
  explicit AddClient(std::filesystem::path folder);

  const std::vector<std::string>& codes() const { return codes_; }
  const std::vector<std::string>& groups() const { return groups_; }

  // The amounts are the masked boxes' texts. Refuses a code in use, else reports an invalid code
  // and an invalid group (both when both are); otherwise adds the client (the first one creates
  // the client files) and closes with OK.
  dialog::Outcome save(const ClientFields& fields);

 private:
  std::filesystem::path folder_;
  std::vector<std::string> codes_;
  std::vector<std::string> groups_;
};

}  // namespace vrk::clients
