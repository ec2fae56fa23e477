// The client/matter data print-out of TDisplayMatterForm: one page, no footer.
#pragma once

#include <string>

#include "core/document/document.h"
#include "core/matters/matter_selection.h"
#include "core/store/dates.h"

namespace vrk::matters {

// `period` is the billing period as MMYYYY; `today` dates the last line.
document::Document matterDataDocument(const DisplayedMatter& matter, const std::string& period,
                                      const store::CalendarDate& today);

}  // namespace vrk::matters
