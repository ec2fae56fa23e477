#include "core/clients/display_client.h"

#include "core/clients/client_printouts.h"

namespace vrk::clients {

DisplayClient::DisplayClient(std::filesystem::path folder, std::string period)
    : folder_(std::move(folder)), period_(std::move(period)), codes_(loadClientCodes(folder_)) {}

dialog::Outcome DisplayClient::display(const std::string& code) {
  return displayClient(folder_, code, "            INVALID CLIENT CODE\r\nNO DATA IS PRESENT FOR THIS CLIENT",
                       shown_);
}

PrintOutcome DisplayClient::print(const store::CalendarDate& today) {
  PrintOutcome result;
  if (!shown_) {
    result.outcome.error("NO CLIENT HAS BEEN SELECTED");
    return result;
  }
  result.document = clientDataPrintout(*shown_, period_, today);
  // The client stays displayed: when the printer fails, the dialog stays open and can print again.
  result.outcome.closing = dialog::Closing::Ok;
  return result;
}

}  // namespace vrk::clients
