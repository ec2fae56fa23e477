// The 228-byte matter record of MatterData.Dat: description, date created, attorney, fee schedule,
// hours, fees, costs and credits to date.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vrk::matters {

inline constexpr std::size_t kDescriptionLines = 4;
inline constexpr std::size_t kDescriptionWidth = 40;
inline constexpr std::size_t kAttorneyWidth = 3;
inline constexpr std::size_t kHoursWidth = 8;
inline constexpr std::size_t kAmountWidth = 11;

// Field offsets (each text field is a length byte followed by its characters).
namespace offset {
inline constexpr std::size_t kDescription = 0;  // four fields of 41 bytes
inline constexpr std::size_t kDateCreated = 164;
inline constexpr std::size_t kPrincipalAttorney = 172;
inline constexpr std::size_t kFeeSchedule = 176;
inline constexpr std::size_t kHoursToDate = 180;
inline constexpr std::size_t kFeesToDate = 189;
inline constexpr std::size_t kCostsToDate = 201;
inline constexpr std::size_t kCreditsToDate = 213;
}  // namespace offset

// The client code and matter number are not part of the record: they are the record's key in the
// matter key files.
struct MatterRecord {
  std::array<std::string, kDescriptionLines> description;
  double dateCreated = 0;         // days since 30 December 1899
  std::string principalAttorney;  // initials
  std::int32_t feeSchedule = 1;   // 1 to the number of fee schedules
  // Decimal texts: "000120.5" / "00030125.00" from the add dialog, "120.5" / "30125" from the
  // change dialog; read them with rules::storedDecimalValue().
  std::string hoursToDate;
  std::string feesToDate;
  std::string costsToDate;
  std::string creditsToDate;

  bool operator==(const MatterRecord&) const = default;
};

// Texts longer than their fields are cut; the three filler bytes are written as zeros.
std::string encodeMatterRecord(const MatterRecord& record);
// `bytes` must hold 228 bytes.
MatterRecord decodeMatterRecord(std::string_view bytes);

}  // namespace vrk::matters
