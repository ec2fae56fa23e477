#include "core/statements/run_records.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/store/catalogue.h"
#include "core/store/text_list.h"

namespace vrk::statements {

std::vector<std::string> loadFinishedGroups(const store::Transaction& tx) {
  if (!tx.exists(store::files::kClientGroupsWithFinalStatements)) return {};
  auto groups = store::parseTextList(tx.read(store::files::kClientGroupsWithFinalStatements));
  store::sortTextList(groups);
  return groups;
}

void stageFinishedGroup(store::Transaction& tx, const std::string& group) {
  auto groups = loadFinishedGroups(tx);
  groups.push_back(group);
  store::sortTextList(groups);
  tx.writeWhole(store::files::kClientGroupsWithFinalStatements, store::formatTextList(groups));
}

namespace {

// The setting's number when it is a whole number from 1 upwards that the field can hold and that can
// still be advanced.
std::optional<int> invoiceNumberOf(const services::SettingsStore& settings) {
  const std::string text = settings.readString(services::kNextInvoiceNumber);
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number < 1 ||
      number == std::numeric_limits<int>::max())
    return std::nullopt;
  return number;
}

}  // namespace

bool invoiceSettingIsWhole(const services::SettingsStore& settings) {
  return !settings.keyExists() || invoiceNumberOf(settings).has_value();
}

std::optional<int> takeInvoiceNumber(services::SettingsStore& settings) {
  if (!settings.keyExists()) return std::nullopt;
  const auto number = invoiceNumberOf(settings);
  if (!number) return std::nullopt;
  settings.writeString(services::kNextInvoiceNumber, std::to_string(*number + 1));
  return number;
}

}  // namespace vrk::statements
