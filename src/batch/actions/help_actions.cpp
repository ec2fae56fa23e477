// vrk-batch: the help pages (print help PAGE).
#include <string>

#include "batch/actions/actions.h"
#include "batch/command_line.h"
#include "batch/registry.h"
#include "core/help/help_pages.h"

namespace vrk::batch {
namespace {

std::string pageNames() {
  std::string names;
  for (const auto& info : help::helpPages())
    names += (names.empty() ? "" : ", ") + std::string(info.batchName);
  return names;
}

document::Document helpPage(Context&, const FieldValues& fields, document::SinkKind sink) {
  const std::string word = fields.get("");
  const auto page = help::findHelpPage(word);
  if (!page) {
    throw UsageError(word.empty() ? "print help needs a page: " + pageNames()
                                  : "no help page " + word + " (pages: " + pageNames() + ")");
  }
  return help::helpDocument(*page, sink);
}

}  // namespace

void registerHelpActions(Registry& registry) {
  registry.add(DocumentAction{{"help", "A help page: " + pageNames(), {""}}, helpPage});
}

}  // namespace vrk::batch
