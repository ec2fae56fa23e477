// What every vrk-batch action works with: settings, data directory, billing period, today and
// the last entry date.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <vector>

#include "core/dialog/outcome.h"
#include "core/document/document.h"
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
  std::filesystem::path ledesFolder;  // --ledes DIR: a final run's LEDES files go there
  std::optional<bool> answer;  // --yes / --no, for questions a document's checks may ask
  // The message boxes a document raised while it was made (a statement's undefined matter),
  // printed on standard error after it.
  std::vector<dialog::Message> notes;
  // Set while a document is written as text: a document made in parts (the statement runs) hands
  // each part here, in order, instead of returning it whole.
  std::function<void(document::Document&&)> pages;

  // The current billing period's folder; UsageError when no data directory is known.
  std::filesystem::path folder() const;
};

// Builds the context from the global options (UsageError for bad ones).
Context makeContext(const CommandLine& line);

}  // namespace vrk::batch
