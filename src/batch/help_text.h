// What vrk-batch says of itself: the usage lines, the help listing and the manual page, all from
// the one registry of actions and documents, so that none of them can drift from the others.
#pragma once

#include <ostream>
#include <string>

namespace vrk::batch {

extern const char* const kUsage;

// `vrk-batch help`: the usage, every action and document with its fields and summary, the exit
// statuses.
void printHelp(std::ostream& out);

// The vrk-batch(1) manual page (troff, man macros) for the given program version.
std::string manualPage(const std::string& version);

}  // namespace vrk::batch
