// The Display button shared by the change, delete and display dialogs, and the lists they open with.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/clients/client_fields.h"
#include "core/dialog/outcome.h"

namespace vrk::clients {

// The client code list for a combo box (empty when there is none).
std::vector<std::string> loadClientCodes(const std::filesystem::path& folder);

struct DisplayedClient {
  std::string code;
  ClientRecord record;
  ClientFields fields;  // as the dialog shows them
};

// Reads the client of `code`. A code not in the list gives `invalidMessage` (each dialog words it
// its own way) and leaves `shown` as it was.
dialog::Outcome displayClient(const std::filesystem::path& folder, const std::string& code,
                              const char* invalidMessage, std::optional<DisplayedClient>& shown);

}  // namespace vrk::clients
