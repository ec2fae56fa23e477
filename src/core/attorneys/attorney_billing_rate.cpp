#include "core/attorneys/attorney_billing_rate.h"

#include "core/attorneys/attorney_messages.h"
#include "core/attorneys/refusal.h"
#include "core/rules/typed_number.h"

namespace vrk::attorneys {

std::string AttorneyBillingRate::label() const {
  return ("Enter Billing Rate\r\n    For Attorney\r\n         " + initials_).substr(0, 50);
}

dialog::Outcome AttorneyBillingRate::ok(const std::string& typed) {
  const auto cleaned = rules::cleanTypedNumber(typed, rules::kHourlyRateBounds);
  if (!cleaned) return refusal(kInvalidBillingRate);
  rate_ = cleaned->value;
  return closedWithOk();
}

}  // namespace vrk::attorneys
