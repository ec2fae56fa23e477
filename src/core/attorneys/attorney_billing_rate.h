// The logic of `TAttorneyBillingRateForm`: a billing rate asked for one attorney on behalf of a report.
#pragma once

#include <string>

#include "core/dialog/outcome.h"

namespace vrk::attorneys {

class AttorneyBillingRate {
 public:
  // The text the entry box holds on opening.
  static constexpr const char* kOpeningText = "$";

  explicit AttorneyBillingRate(std::string initials) : initials_(std::move(initials)) {}

  // "Enter Billing Rate", "For Attorney" and the initials on three lines, cut at 50 characters.
  std::string label() const;

  // OK: a leading "$" and every comma go; a number from 0.01 to 99,999.99 becomes the rate and
  // the dialog closes with OK, anything else is refused and the dialog stays open.
  dialog::Outcome ok(const std::string& typed);

  double rate() const { return rate_; }

 private:
  std::string initials_;
  double rate_ = 0;
};

}  // namespace vrk::attorneys
