// The data records of time records (265 bytes) and cost/credit records (180 bytes).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vrk::records {

inline constexpr std::size_t kTimeDescriptionLines = 6;
inline constexpr std::size_t kCostCreditDescriptionLines = 4;
inline constexpr std::size_t kDescriptionWidth = 40;
inline constexpr std::size_t kInitialsWidth = 3;
inline constexpr std::size_t kTimeWidth = 5;
inline constexpr std::size_t kRateWidth = 8;
inline constexpr std::size_t kAmountWidth = 11;

// A time record's own fields; its client code, matter number and date are its key.
struct TimeRecord {
  std::string initials;
  std::string time;  // hours as decimal text ("1.5")
  std::string rate;  // the special billing rate as decimal text; empty: the fee schedule's rate
  std::array<std::string, kTimeDescriptionLines> description;

  bool operator==(const TimeRecord&) const = default;
};

enum CostCreditKind : std::int32_t { kCost = 0, kCredit = 1 };

struct CostCreditRecord {
  std::int32_t kind = kCost;  // as stored: 0 cost, 1 credit
  std::string amount;         // decimal text, always positive
  std::array<std::string, kCostCreditDescriptionLines> description;

  bool operator==(const CostCreditRecord&) const = default;
};

// Texts longer than their fields are cut; bytes past a text's length are zeros.
std::string encodeTimeRecord(const TimeRecord& record);
TimeRecord decodeTimeRecord(std::string_view bytes);  // at least 265 bytes
std::string encodeCostCreditRecord(const CostCreditRecord& record);
CostCreditRecord decodeCostCreditRecord(std::string_view bytes);  // at least 180 bytes

// The first `N` lines of a description box, each cut to 40 characters; missing lines are empty.
template <std::size_t N>
std::array<std::string, N> descriptionLines(const std::vector<std::string>& lines) {
  std::array<std::string, N> result;
  for (std::size_t i = 0; i < N && i < lines.size(); ++i) result[i] = lines[i].substr(0, kDescriptionWidth);
  return result;
}

}  // namespace vrk::records
