// The boxes of a matter dialog as texts: what the user typed, or a displayed matter's display forms.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/matters/matter_lists.h"
#include "core/matters/matter_record.h"
#include "core/rules/changed_number.h"
#include "core/store/dates.h"

namespace vrk::matters {

// Names of the boxes an outcome writes back into.
namespace box {
inline constexpr const char* kMatterNumberComboBox = "MatterNumberComboBox";  // add dialog
inline constexpr const char* kMatterNumberEditBox = "MatterNumberEditBox";    // change dialog
inline constexpr const char* kHoursToDateEditBox = "HoursToDateEditBox";
inline constexpr const char* kFeesToDateEditBox = "FeesToDateEditBox";
inline constexpr const char* kCostsToDateEditBox = "CostsToDateEditBox";
inline constexpr const char* kCreditsToDateEditBox = "CreditsToDateEditBox";
}  // namespace box

// The change dialog's plain amount boxes (fees, costs, credits to date): from 0 to 99,999,999.99;
// an empty box, or "$" alone, counts as 0. A text too long for the field loses leading zeros only
// as far as it must, then is written with two decimals. A negative amount is refused.
inline constexpr rules::ChangedNumberRule kAmountToDateRule{
    .bounds = rules::kAmountToDateBounds, .width = kAmountWidth, .decimals = 2};
// Its hours box: the same without the dollar sign, from 0 to 999,999.9, one decimal.
inline constexpr rules::ChangedNumberRule kHoursToDateRule{
    .bounds = rules::kHoursToDateBounds, .width = kHoursWidth, .decimals = 1, .dollarSign = false};

struct MatterBoxes {
  std::string client;                    // add: ClientCodeComboBox; change: ClientCodeEditBox
  std::string number;                    // add: MatterNumberComboBox; change: MatterNumberEditBox
  std::vector<std::string> description;  // the lines of the description box
  store::CalendarDate dateCreated;
  std::string attorney;
  std::string feeSchedule;
  // Add dialog: the masked texts ("___,120.5", "$00,030,125.00"); change dialog: typed texts.
  std::string hours;
  std::string fees;
  std::string costs;
  std::string credits;
};

// A matter as the change, delete and display dialogs show it: hours as 1,234.5, money as
// $1,234.56, the fee schedule as its number.
MatterBoxes displayedBoxes(const MatterKey& key, const MatterRecord& record);

// The record's four description lines: the first four lines of the box, each cut at 40.
std::array<std::string, kDescriptionLines> descriptionLines(const std::vector<std::string>& lines);

}  // namespace vrk::matters
