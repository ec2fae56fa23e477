#include "core/store/presence_report.h"

#include "core/store/billing_period.h"
#include "core/store/catalogue.h"

namespace vrk::store {

document::Document presenceReport(const std::filesystem::path& folder, const std::string& period) {
  document::Document report;
  const auto add = [&](std::string text) { report.lines.push_back({{{std::move(text)}}}); };
  add("Data files of billing period " + displayBillingPeriod(period));
  for (const PresenceCheck check : kAllPresenceChecks) {
    const auto missing = firstMissingFile(folder, check);
    add(std::string(presenceCheckName(check)) + " check: " +
        (missing ? std::string(presenceCheckMessage(check)) + " (" + *missing + " is missing)" : "passed"));
  }
  return report;
}

}  // namespace vrk::store
