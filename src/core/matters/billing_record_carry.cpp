#include "core/matters/billing_record_carry.h"

#include "core/store/tables.h"

namespace vrk::matters {

std::size_t carryBillingRecords(store::Transaction& tx, const MatterKey& from, const MatterKey& to) {
  const auto& text = [](const store::KeyValue& value) -> const std::string& {
    return std::get<std::string>(value);
  };
  const auto match = [&](const store::Key& key) {
    return text(key[0]) == from.client && store::compareMatterNumbers(text(key[1]), from.number) == 0;
  };
  const auto rekey = [&](const store::Key& key) { return store::Key{to.client, to.number, key[2]}; };
  std::size_t moved = 0;
  for (const auto& layout : {store::timeRecordTable(), store::costCreditRecordTable()}) {
    store::RecordTable table(layout, tx);
    moved += table.rekey(match, rekey);
  }
  return moved;
}

}  // namespace vrk::matters
