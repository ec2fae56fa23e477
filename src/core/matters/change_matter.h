// The logic of TChangeMatterForm: Display, then Save of the changed fields and perhaps a new key.
#pragma once

#include <filesystem>

#include "core/dialog/outcome.h"
#include "core/matters/matter_boxes.h"
#include "core/matters/matter_selection.h"

namespace vrk::matters {

class ChangeMatter {
 public:
  explicit ChangeMatter(std::filesystem::path folder);

  MatterSelection& selection() { return selection_; }
  const MatterSelection& selection() const { return selection_; }

  // Checks the boxes (only the last failure is reported; valid hours and amounts are written back
  // in their display forms) and writes the matter in one transaction. A new key moves the matter's
  // key entries to their sorted place and carries its time and cost/credit records along.
  dialog::Outcome save(const MatterBoxes& boxes);

 private:
  MatterSelection selection_;
};

}  // namespace vrk::matters
