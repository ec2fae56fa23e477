// The printed client documents: the client data print-out and the client codes of a group.
#pragma once

#include <string>
#include <vector>

#include "core/clients/client_display.h"
#include "core/document/document.h"
#include "core/store/dates.h"

namespace vrk::clients {

// "CLIENT DATA": one page without footer. `period` is MMYYYY.
document::Document clientDataPrintout(const DisplayedClient& client, const std::string& period,
                                      const store::CalendarDate& today);

// "CLIENT CODES IN CLIENT GROUP g": six codes a line; a page ends after the line that finds the
// line count above 58, with -n- and a form feed; no closing footer.
document::Document clientCodesPrintout(const std::string& group, const std::vector<std::string>& codes,
                                       const std::string& period, const store::CalendarDate& today);

}  // namespace vrk::clients
