// The logic of `TChangeAttorneyForm`: an attorney's initials replaced, its rates kept.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/attorneys/attorney_grid.h"
#include "core/attorneys/attorney_register.h"
#include "core/dialog/outcome.h"

namespace vrk::attorneys {

class ChangeAttorney {
 public:
  explicit ChangeAttorney(std::filesystem::path folder);  // loads the register

  const AttorneyGrid& grid() const { return grid_; }
  const std::vector<std::string>& initials() const { return reg_.initials; }  // the From list

  // Save: renames From to To and moves its rate record to To's sorted place (closing with OK),
  // or refuses with one message: From breaks the rule, From is not present, To breaks the rule,
  // To is another attorney's initials.
  dialog::Outcome save(const std::string& from, const std::string& to);

 private:
  std::filesystem::path folder_;
  AttorneyRegister reg_;
  AttorneyGrid grid_;
};

}  // namespace vrk::attorneys
