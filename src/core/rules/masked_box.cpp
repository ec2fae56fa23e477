#include "core/rules/masked_box.h"

#include "core/rules/input_rules.h"

namespace vrk::rules {

std::string readRateBox(const std::string& boxText) { return stripRateMask(fillBlanks(boxText)); }

std::string readAmountBox(const std::string& boxText) { return stripAmountMask(fillBlanks(boxText)); }

std::string readHoursBox(const std::string& boxText) { return removeCommas(fillBlanks(boxText)); }

}  // namespace vrk::rules
