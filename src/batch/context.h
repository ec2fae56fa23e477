// What every vrk-batch action works with: settings, data directory, billing period, today and
// the last entry date.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/services/settings_store.h"
#include "core/store/dates.h"

namespace vrk::batch {

struct CommandLine;

struct Context {
  std::unique_ptr<services::SettingsStore> settings;
  std::string dataFilesPath;  // ends in a separator; empty when none is known
  std::string period;         // MMYYYY
  store::CalendarDate today;
  // The date an add dialog offers: today, then the date of the last entry saved in this run.
  store::CalendarDate lastEntryDate;
  std::optional<bool> answer;  // --yes / --no, for questions a document's checks may ask

  // The current billing period's folder; UsageError when no data directory is known.
  std::filesystem::path folder() const;
};

// Builds the context from the global options (UsageError for bad ones).
Context makeContext(const CommandLine& line);

}  // namespace vrk::batch
