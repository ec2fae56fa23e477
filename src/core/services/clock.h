// Today's date from one injectable place, so defaults and dated documents are reproducible.
#pragma once

#include "core/store/dates.h"

namespace vrk::services {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual store::CalendarDate today() const = 0;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(store::CalendarDate date) : date_(date) {}
  store::CalendarDate today() const override { return date_; }

 private:
  store::CalendarDate date_;
};

// The machine's local date (implemented with the standard library).
class SystemClock : public Clock {
 public:
  store::CalendarDate today() const override;
};

}  // namespace vrk::services
