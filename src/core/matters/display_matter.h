// The logic of TDisplayMatterForm: Display, then Print of the client/matter data.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/dialog/outcome.h"
#include "core/document/document.h"
#include "core/matters/matter_selection.h"
#include "core/store/dates.h"

namespace vrk::matters {

struct PrintResult {
  dialog::Outcome outcome;                    // closes with OK
  std::optional<document::Document> printed;  // nothing when no matter was displayed
};

class DisplayMatter {
 public:
  explicit DisplayMatter(std::filesystem::path folder);

  MatterSelection& selection() { return selection_; }
  const MatterSelection& selection() const { return selection_; }

  // Without a displayed matter the dialog closes without printing.
  PrintResult print(const std::string& period, const store::CalendarDate& today) const;

 private:
  MatterSelection selection_;
};

}  // namespace vrk::matters
