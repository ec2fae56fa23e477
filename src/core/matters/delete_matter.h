// The logic of TDeleteMatterForm: Display, then Delete (no confirmation).
#pragma once

#include <filesystem>

#include "core/dialog/outcome.h"
#include "core/matters/matter_selection.h"

namespace vrk::matters {

class DeleteMatter {
 public:
  explicit DeleteMatter(std::filesystem::path folder);

  MatterSelection& selection() { return selection_; }
  const MatterSelection& selection() const { return selection_; }

  // Removes the displayed matter from the matter table, freeing its data slot (the last matter
  // removes every matter file). Its time and cost/credit records stay.
  dialog::Outcome remove();

 private:
  MatterSelection selection_;
};

}  // namespace vrk::matters
