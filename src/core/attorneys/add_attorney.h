// The logic of `TAddAttorneyForm`: its grid with the preview row, labels, boxes and Save.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "core/attorneys/attorney_grid.h"
#include "core/attorneys/attorney_register.h"
#include "core/dialog/outcome.h"

namespace vrk::attorneys {

struct AddAttorneyInput {
  std::string initials;
  std::array<std::string, kMaxFeeSchedules> rateBoxes;  // the rate boxes' texts as shown ("$00,250.00")
};

class AddAttorney {
 public:
  // Loads the register when its three files exist; otherwise starts with no schedules.
  explicit AddAttorney(std::filesystem::path folder);

  // The register's rows (headings of schedules 1..10, or only "Sch. 1" when there are no
  // schedules yet) and, last, the preview row.
  const AttorneyGrid& grid() const { return grid_; }
  int previewRow() const { return grid_.rowCount() - 1; }
  int scheduleCount() const { return reg_.scheduleCount; }

  std::string rateLabel() const;
  bool rateBoxEnabled(int box) const;  // 1..10: box 1 always, boxes 2..N

  // A key released in the initials box, or in rate box 1..10: the preview cell now shown.
  const std::string& typeInitials(const std::string& text);
  const std::string& typeRate(int box, const std::string& boxText);
  // Leaving the initials box: its text in capitals, which the preview row shows too.
  std::string leaveInitials(const std::string& text);

  // Adds the attorney (closing with OK) or refuses with the initials' messages (staying open).
  dialog::Outcome save(const AddAttorneyInput& input);

 private:
  std::filesystem::path folder_;
  AttorneyRegister reg_;
  AttorneyGrid grid_;
};

}  // namespace vrk::attorneys
