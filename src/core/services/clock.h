// Today's date and the time of day from one injectable place, so defaults, dated documents and
// dated folder names are reproducible.
#pragma once

#include "core/store/dates.h"

namespace vrk::services {

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// A local date and time of day, read together so that they belong to the same moment.
struct LocalTime {
  store::CalendarDate date;
  TimeOfDay time;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual store::CalendarDate today() const = 0;
  virtual LocalTime now() const = 0;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(store::CalendarDate date, TimeOfDay time = {}) : date_(date), time_(time) {}
  store::CalendarDate today() const override { return date_; }
  LocalTime now() const override { return {date_, time_}; }

 private:
  store::CalendarDate date_;
  TimeOfDay time_;
};

// The machine's local date and time (implemented with the standard library).
class SystemClock : public Clock {
 public:
  store::CalendarDate today() const override { return now().date; }
  LocalTime now() const override;
};

}  // namespace vrk::services
