#include "core/clients/delete_client.h"

#include "core/clients/client_book.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"

namespace vrk::clients {
namespace {

constexpr const char* kNoData = "          Invalid Client Code\r\nNo Data Is Present For This Client";
constexpr const char* kNotDisplayed = "A Client Must Be Displayed\r\n  Before It Can Be Deleted";

}  // namespace

DeleteClient::DeleteClient(std::filesystem::path folder)
    : folder_(std::move(folder)), codes_(loadClientCodes(folder_)) {}

dialog::Outcome DeleteClient::display(const std::string& code) {
  return displayClient(folder_, code, kNoData, shown_);
}

dialog::Outcome DeleteClient::remove(const std::string& selected, dialog::Prompter& prompter) {
  dialog::Outcome outcome;
  if (!shown_) return outcome.information(kNotDisplayed);
  if (selected.empty()) return outcome.information("Select A Client To Be Deleted");
  store::Transaction tx(folder_);
  store::RecordTable clients(store::clientTable(), tx);
  const auto position = clientPosition(clients, selected);
  if (!position) return outcome.error(kNoData);
  // The client shown is the one the user confirms: another code picked since is not deleted.
  if (store::compareTextIgnoringCase(selected, shown_->code) != 0) return outcome.information(kNotDisplayed);
  deleteClient(tx, clients, *position, outcome, prompter);
  tx.commit();
  shown_.reset();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::clients
