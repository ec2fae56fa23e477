// The logic of TAddMatterForm: its lists on opening and its Save.
#pragma once

#include <filesystem>

#include "core/dialog/outcome.h"
#include "core/matters/matter_boxes.h"
#include "core/matters/matter_lists.h"

namespace vrk::matters {

class AddMatter {
 public:
  // Loads the client code list, the attorney list, the schedule count and the matter keys.
  explicit AddMatter(std::filesystem::path folder);

  const MatterLists& lists() const { return lists_; }

  // Checks the boxes (only the last failure is reported) and adds the matter in one transaction.
  // The number box is written back without its commas. Hours and amounts are the masked texts.
  dialog::Outcome save(const MatterBoxes& boxes);

 private:
  std::filesystem::path folder_;
  MatterLists lists_;
};

}  // namespace vrk::matters
