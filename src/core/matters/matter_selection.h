// The selection part of the change, delete and display dialogs: client code, matter number, Display.
#pragma once

#include <filesystem>
#include <optional>

#include "core/dialog/outcome.h"
#include "core/matters/matter_boxes.h"
#include "core/matters/matter_lists.h"
#include "core/matters/matter_record.h"

namespace vrk::matters {

// The delete dialog words its Display messages in mixed case, the others in capitals.
enum class Wording { Capitals, MixedCase };

struct DisplayedMatter {
  MatterKey key;
  MatterRecord record;
};

class MatterSelection {
 public:
  // Loads the lists the dialog offers (client codes, attorneys, matter keys).
  MatterSelection(std::filesystem::path folder, Wording wording);

  const std::filesystem::path& folder() const { return folder_; }
  const MatterLists& lists() const { return lists_; }

  // Display: the last failing test is reported (number in use, whole-number rule, client code in
  // the list); otherwise the matter is read and remembered. A refusal keeps the matter shown before.
  dialog::Outcome display(const std::string& client, const std::string& number);

  const std::optional<DisplayedMatter>& displayed() const { return displayed_; }
  MatterBoxes displayedBoxes() const;  // the boxes filled by Display (a matter must be displayed)
  void forget() { displayed_.reset(); }

  // The message for a displayed matter that is no longer in the matter table.
  const char* notInUseMessage() const;

 private:
  std::filesystem::path folder_;
  Wording wording_;
  MatterLists lists_;
  std::optional<DisplayedMatter> displayed_;
};

}  // namespace vrk::matters
