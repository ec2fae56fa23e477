// The logic of `TDeleteAttorneyForm`: an attorney and its rate record removed from the register.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/attorneys/attorney_grid.h"
#include "core/attorneys/attorney_register.h"
#include "core/dialog/outcome.h"

namespace vrk::attorneys {

class DeleteAttorney {
 public:
  explicit DeleteAttorney(std::filesystem::path folder);  // loads the register

  const AttorneyGrid& grid() const { return grid_; }
  const std::vector<std::string>& initials() const { return reg_.initials; }  // the combo box's list

  // Delete: removes the attorney (closing with OK), or refuses with one message: the initials
  // break the rule, are not present (both error boxes), or name the only attorney (information).
  dialog::Outcome remove(const std::string& initials);

 private:
  std::filesystem::path folder_;
  AttorneyRegister reg_;
  AttorneyGrid grid_;
};

}  // namespace vrk::attorneys
