#include "core/matters/delete_matter.h"

#include "core/matters/matter_messages.h"
#include "core/store/tables.h"

namespace vrk::matters {

DeleteMatter::DeleteMatter(std::filesystem::path folder)
    : selection_(std::move(folder), Wording::MixedCase) {}

dialog::Outcome DeleteMatter::remove() {
  dialog::Outcome outcome;
  const auto& shown = selection_.displayed();
  if (!shown) return outcome.information(message::kNotDisplayedForDelete);

  store::Transaction tx(selection_.folder());
  store::RecordTable matters(store::matterTable(), tx);
  const auto position = findMatter(matters, shown->key);
  if (!position) return outcome.error(selection_.notInUseMessage());
  matters.remove(*position);
  tx.commit();
  selection_.forget();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::matters
