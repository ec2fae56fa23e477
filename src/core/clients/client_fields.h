// The fields of the client dialogs as the user sees and types them, and the amount boxes' names.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/clients/client_record.h"
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

// The fields showing a stored client: amounts as currency text, the date as a calendar date.
ClientFields shownFields(const std::string& code, const ClientRecord& record);

// The first six lines of an address box, each cut at 40 characters; missing lines empty.
std::array<std::string, kAddressLines> addressLines(const std::vector<std::string>& lines);

}  // namespace vrk::clients
