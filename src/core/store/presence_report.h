// A document listing what each data-file presence check says of a billing-period folder.
#pragma once

#include <filesystem>
#include <string>

#include "core/document/document.h"

namespace vrk::store {

// One line per check, in order: "client data check: passed", or the check's message followed by
// the first missing file in parentheses.
document::Document presenceReport(const std::filesystem::path& folder, const std::string& period);

}  // namespace vrk::store
