#include "core/clients/display_client_codes.h"

#include "core/clients/client_printouts.h"

namespace vrk::clients {

DisplayClientCodes::DisplayClientCodes(std::filesystem::path folder, std::string period)
    : folder_(std::move(folder)), period_(std::move(period)), lists_(loadGroupDialogLists(folder_)) {}

dialog::Outcome DisplayClientCodes::display(const std::string& group) {
  listing_ = listGroup(folder_, group);
  return {};
}

PrintOutcome DisplayClientCodes::print(const std::string& group, const store::CalendarDate& today) {
  if (!listing_) display(group);
  PrintOutcome result;
  result.document = clientCodesPrintout(listing_->group, listing_->codes, period_, today);
  // The listing stays: when the printer fails, the dialog stays open and can print again.
  result.outcome.closing = dialog::Closing::Ok;
  return result;
}

}  // namespace vrk::clients
