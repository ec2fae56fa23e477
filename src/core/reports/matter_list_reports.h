// The matter lists of the Matters tab (one client group, all clients, one client), on the screen or
// the printer, and the print-out of every matter of one client, a page per matter.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/document/document.h"
#include "core/matters/matter_record.h"
#include "core/store/dates.h"

namespace vrk::reports {

inline constexpr const char* kMatterListInvalidGroup =
    "      INVALID CLIENT GROUP\r\nENTER A LETTER OR A NUMBER";
inline constexpr const char* kMatterListNoClientsInGroup =
    "NO CLIENTS ARE PRESENT\r\n  FOR THIS CLIENT GROUP";
inline constexpr const char* kNoMattersForClient = "NO MATTERS ARE PRESENT\r\n     FOR THIS CLIENT";

// The printed list's page ends when the line count plus the lines a matter needs reaches this.
inline constexpr int kMatterListPageEnd = 59;
inline constexpr int kMatterListHeadingLines = 14;  // the line count after a page's heading
inline constexpr int kMatterListLinesNeeded = 4;    // what the page test asks room for

enum class MatterListKind { ClientGroup, AllClients, Client };

struct ListedMatter {
  std::string client;
  std::string number;  // as stored
  std::array<std::string, matters::kDescriptionLines> description;
};

struct MatterListHeading {
  MatterListKind kind = MatterListKind::AllClients;
  std::string choice;  // the group or the client code the list is for ("" for all clients)
  std::string period;  // MMYYYY
  store::CalendarDate today;
};

struct MatterListLayout {
  document::Document document;
  int pages = 1;  // the screen form marks its pages with footer lines, not form feeds
};

// The list's title: Matters For Client Group "A", Matter List, Matters For Client ACME.
std::string matterListTitle(MatterListKind kind, const std::string& choice);

// The list: a heading on every page, then each matter after an empty line with its further
// description lines. The printed form ends a full page with its page number at line 59 and a form
// feed; the screen form with the page number and a line of x. A one-page list has no page number.
MatterListLayout layoutMatterList(const std::vector<ListedMatter>& matters, const MatterListHeading& heading,
                                  document::SinkKind sink);

// What the list dialogs open with: the client code list, the client group list and the number of
// matters (the progress bar's range).
struct MatterListDialogLists {
  std::vector<std::string> codes;
  std::vector<std::string> groups;
  int matterCount = 0;
};
MatterListDialogLists loadMatterListDialogLists(const std::filesystem::path& folder);

struct MatterListRun {
  std::string period;  // MMYYYY
  store::CalendarDate today;
  document::SinkKind sink = document::SinkKind::Printer;  // Display: the screen
  std::function<void(int done, int total)> progress;      // after each matter examined
};

struct MatterListResult {
  // The checks' refusal (the dialog stays open), or the boxes shown after the document: no matters
  // for the client, the long-document warning. A printed run closes with OK.
  dialog::Outcome outcome;
  document::Document document;  // empty when a check refused
  int pages = 0;
};

// A matter list. `choice` is the typed group or client code (ignored for all clients). The group
// must pass the group rule and be in the client group list; the code the client code rule and be
// in the client code list.
MatterListResult runMatterList(const std::filesystem::path& folder, MatterListKind kind,
                               const std::string& choice, const MatterListRun& run);

// Every matter of a client in key order, each the one-page client/matter data print-out, pages
// separated by form feeds. The code is checked as for the client list; a client without matters
// gets the no-matters box and nothing to print. Closes with OK when it has run.
MatterListResult printAllMatterData(const std::filesystem::path& folder, const std::string& client,
                                    const MatterListRun& run);

}  // namespace vrk::reports
