// The fields of the client dialogs as the user sees and types them, and the amount boxes' names.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/clients/client_record.h"
#include "core/rules/changed_number.h"
#include "core/store/dates.h"

namespace vrk::clients {

struct ClientFields {
  std::string code;  // the add dialog's code box; the change dialog's `ClientCodeEditBox`
  std::string group;
  std::vector<std::string> address;  // the lines of the address box (the first six count)
  int category = 0;
  bool lateCharges = true;
  store::CalendarDate lastStatement;
  // Add: the masked boxes' texts ("$__,__1,250.50"); change: typed text; display: currency text.
  std::array<std::string, kAmountCount> amounts;
};

// One amount box: its field name (vrk-batch, write-backs), its label and the change dialog's
// message when it is refused.
struct AmountBox {
  const char* field;
  const char* label;
  const char* invalidMessage;
};
const AmountBox& amountBox(std::size_t amount);

// A plain amount box of the change dialog: up to 99,999,999.99, stored in the amount field; "$"
// alone or commas alone count as 0. The currency text the dialog shows for a negative amount,
// "($1,234.56)", reads as -1234.56, so a negative balance survives a save unchanged. A text too
// long for the field loses all its leading zeros before it is written with two decimals.
inline constexpr rules::ChangedNumberRule kChangedAmountRule{.bounds = rules::kClientAmountBounds,
                                                             .width = kAmountWidth,
                                                             .decimals = 2,
                                                             .negativeInParentheses = true,
                                                             .empty = rules::EmptyBox::NothingLeft,
                                                             .leadingZeros = rules::LeadingZeros::All};

// The fields showing a stored client: amounts as currency text, the date as a calendar date.
ClientFields shownFields(const std::string& code, const ClientRecord& record);

// The first six lines of an address box, each cut at 40 characters; missing lines empty.
std::array<std::string, kAddressLines> addressLines(const std::vector<std::string>& lines);

}  // namespace vrk::clients
