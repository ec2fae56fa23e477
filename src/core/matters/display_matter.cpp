#include "core/matters/display_matter.h"

#include "core/matters/matter_data_document.h"

namespace vrk::matters {

DisplayMatter::DisplayMatter(std::filesystem::path folder)
    : selection_(std::move(folder), Wording::Capitals) {}

PrintResult DisplayMatter::print(const std::string& period, const store::CalendarDate& today) const {
  PrintResult result;
  result.outcome.closing = dialog::Closing::Ok;
  if (const auto& shown = selection_.displayed()) result.printed = matterDataDocument(*shown, period, today);
  return result;
}

}  // namespace vrk::matters
