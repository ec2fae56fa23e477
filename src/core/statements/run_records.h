// What a final run keeps between runs: the client groups already finalized in a billing period,
// and the next invoice number.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/services/settings_store.h"
#include "core/store/transaction.h"

namespace vrk::statements {

// ClientGroupsWithFinalStatements.Dat: the groups whose final statements were printed, sorted, each
// once; empty when the file does not exist yet.
std::vector<std::string> loadFinishedGroups(const store::Transaction& tx);
// Stages the list with `group` added (sorted, each once).
void stageFinishedGroup(store::Transaction& tx, const std::string& group);

// False when the settings key exists and its next invoice number is not a whole number from 1 to
// 2,147,483,646: a final run then stops before it starts. A missing key only leaves invoice lines blank.
bool invoiceSettingIsWhole(const services::SettingsStore& settings);

// The invoice number for the next final statement, advanced by one in the settings at once; nothing
// (and nothing advanced) when the settings key does not exist or its value is not a whole number
// from 1 upwards that the field can hold.
std::optional<int> takeInvoiceNumber(services::SettingsStore& settings);

}  // namespace vrk::statements
