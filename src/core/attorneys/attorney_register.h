// The attorney register: the sorted initials list, one 90-byte rate record per attorney, the
// number of fee schedules in use (counts slot 2).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/transaction.h"

namespace vrk::attorneys {

inline constexpr std::size_t kRateRecordSize = 90;
inline constexpr std::size_t kRateFieldWidth = 8;
inline constexpr int kMaxFeeSchedules = 10;

// The ten rate fields of one attorney as stored (decimal text, "00250.00"; empty when unused).
using RateRecord = std::array<std::string, kMaxFeeSchedules>;

struct AttorneyRegister {
  std::vector<std::string> initials;  // sorted, no duplicates
  std::vector<RateRecord> rates;      // rates[i] belongs to initials[i]
  int scheduleCount = 0;              // N, the fee schedules in use

  // Position of the initials in the list, or nothing.
  std::optional<std::size_t> find(std::string_view attorney) const;
};

std::string encodeRateRecord(const RateRecord& record);
RateRecord decodeRateRecord(std::string_view bytes);

// Whether the register has been started: AttorneyInitials.Dat or FeeSchedules.Dat exists. A
// register with only some of its files is damaged, and loading it says which one is missing;
// it is never taken for a register yet to be started, which would replace the attorneys.
bool registerStarted(const store::Transaction& tx);

// Loads the register (registerStarted() must hold). A missing file, a rate file whose records do
// not pair with the list's lines, or a schedule count outside 0..10 raises StoreError naming it.
AttorneyRegister loadAttorneyRegister(const store::Transaction& tx);

// Stages the register's files in this order: AttorneyInitials.Dat, the schedule count (creating
// Dimensions.Dat as ten integers when missing), FeeSchedules.Dat.
void stageAttorneyRegister(store::Transaction& tx, const AttorneyRegister& reg);
// Its three parts, for operations that change fewer files.
void stageAttorneyList(store::Transaction& tx, const AttorneyRegister& reg);
void stageScheduleCount(store::Transaction& tx, const AttorneyRegister& reg);
void stageRateRecords(store::Transaction& tx, const AttorneyRegister& reg);

// Puts an attorney into the list at its sorted place p and gives it the rate texts of schedules
// 1..N (N becomes 1 when it was 0). Records p..end move one place towards the end carrying their
// fields of schedules 1..N; fields beyond N are never read and stay as they were. Returns p.
std::size_t addAttorney(AttorneyRegister& reg, const std::string& initials, const RateRecord& rateTexts);

// Replaces the initials at `position` and sorts the list again; the attorney's rate record moves
// with it. The new initials must not be another attorney's. Returns the new position.
std::size_t renameAttorney(AttorneyRegister& reg, std::size_t position, const std::string& initials);

// Removes the attorney at `position` with its rate record.
void removeAttorney(AttorneyRegister& reg, std::size_t position);

// Removes fee schedule k (1..N): in every record the fields of schedules k+1..N move down one
// number; field N keeps its old text, no longer read. N goes down by one.
void removeFeeSchedule(AttorneyRegister& reg, int schedule);

// The rate of an attorney under fee schedule k (1..N), or nothing when the attorney is not in the
// list or k is outside 1..N.
std::optional<double> rateFor(const AttorneyRegister& reg, std::string_view attorney, int schedule);

}  // namespace vrk::attorneys
