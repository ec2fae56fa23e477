// Reading the text of a masked rate, amount or hours box as the digit text that is stored.
#pragma once

#include <string>

namespace vrk::rules {

// Rate box, mask "$99,999.99": blanks filled, then the mask stripped ("$_1,234.5_" -> "01234.50";
// an untouched box gives "00000.00").
std::string readRateBox(const std::string& boxText);

// Amount box, mask "$99,999,999.99": blanks filled, then the mask stripped
// ("$__,123,456.78" -> "00123456.78"; an untouched box gives "00000000.00").
std::string readAmountBox(const std::string& boxText);

// Hours box, mask "999,999.9": blanks filled, then commas removed ("__1,234.5" -> "001234.5";
// an empty text gives "0").
std::string readHoursBox(const std::string& boxText);

}  // namespace vrk::rules
