// The eight help pages: their names, captions and menu entries, and each page as a document.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/document/document.h"

namespace vrk::help {

enum class HelpPage {
  Setup,
  DataEntry,
  Clients,
  Attorneys,
  Matters,
  BillingRecords,
  MonthlyStatements,
  Reports
};

struct HelpPageInfo {
  HelpPage page;
  std::string_view formName;   // the window's class name, TSetupUnitHelpForm
  std::string_view batchName;  // the word vrk-batch knows it by: print help setup
  std::string_view caption;    // the window's caption, "VRK - Setup Help"
  std::string_view menuEntry;  // the Help menu's entry, "Setup" (the menus add their own blanks)
  std::string_view text;       // the page's text as written (help_text.h)
};

// The pages in the order of the Help menu.
std::span<const HelpPageInfo> helpPages();
const HelpPageInfo& helpPageInfo(HelpPage page);
std::optional<HelpPage> findHelpPage(std::string_view batchName);

// The page as a document: on screen its lines as the text box shows them; printed, five empty
// lines, then headings indented by five blanks and the text by seven, broken for the printed page.
document::Document helpDocument(HelpPage page, document::SinkKind sink);

}  // namespace vrk::help
