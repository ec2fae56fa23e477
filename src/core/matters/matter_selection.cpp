#include "core/matters/matter_selection.h"

#include "core/matters/matter_messages.h"
#include "core/rules/input_rules.h"
#include "core/store/tables.h"

namespace vrk::matters {

MatterSelection::MatterSelection(std::filesystem::path folder, Wording wording)
    : folder_(std::move(folder)), wording_(wording) {
  store::Transaction tx(folder_);
  lists_ = loadMatterLists(tx);
}

const char* MatterSelection::notInUseMessage() const {
  return wording_ == Wording::Capitals ? message::kNumberNotInUse : message::kDeleteNumberNotInUse;
}

dialog::Outcome MatterSelection::display(const std::string& client, const std::string& number) {
  const bool capitals = wording_ == Wording::Capitals;
  store::Transaction tx(folder_);
  const MatterLists lists = loadMatterLists(tx);
  const store::RecordTable matters(store::matterTable(), tx);

  const std::optional<std::size_t> position = findMatter(matters, {client, number});
  const char* failure = nullptr;
  if (!position) failure = notInUseMessage();
  if (!rules::isWholeNumber(number))
    failure = capitals ? message::kNumberInvalid : message::kDeleteNumberInvalid;
  if (!lists.hasClient(client))
    failure = capitals ? message::kClientNotPresent : message::kDeleteClientNotPresent;
  dialog::Outcome outcome;
  if (failure) return outcome.error(failure);

  displayed_ =
      DisplayedMatter{matterKeyAt(matters, *position), decodeMatterRecord(matters.readRecord(*position))};
  return outcome;
}

MatterBoxes MatterSelection::displayedBoxes() const {
  return matters::displayedBoxes(displayed_->key, displayed_->record);
}

}  // namespace vrk::matters
