#include "batch/context.h"

#include "batch/command_line.h"
#include "core/document/date_text.h"
#include "core/services/clock.h"
#include "core/store/billing_period.h"
#include "platform/settings.h"

namespace vrk::batch {
namespace {

store::CalendarDate parseToday(const std::string& text) {
  if (const auto date = document::parseRecordDate(text)) return *date;
  throw UsageError("--today needs a date as MM/DD/YYYY, not " + text);
}

}  // namespace

std::filesystem::path Context::folder() const {
  if (dataFilesPath.empty())
    throw UsageError("no data directory: give --data-dir or a settings file that names one");
  return store::billingPeriodFolder(dataFilesPath, period);
}

Context makeContext(const CommandLine& line) {
  Context context;
  context.settings = platform::openSettingsStore(line.settingsFile);
  context.today = line.today.empty() ? services::SystemClock().today() : parseToday(line.today);
  context.lastEntryDate = context.today;
  context.dataFilesPath =
      line.dataDir.empty() ? context.settings->readString(services::kDataFilesPath) : line.dataDir;
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  if (!context.dataFilesPath.empty() && context.dataFilesPath.back() != separator)
    context.dataFilesPath += separator;
  context.answer = line.answer;
  context.ledesFolder = line.ledes;
  context.period = line.period.empty() ? store::defaultBillingPeriod(context.today) : line.period;
  if (!store::isBillingPeriod(context.period))
    throw UsageError("--period needs a billing period as MMYYYY, not " + context.period);
  return context;
}

}  // namespace vrk::batch
