// The fixed texts of the eight help pages, as written (read by help_layout.h).
#pragma once

#include <string_view>

namespace vrk::help {

std::string_view setupHelpText();
std::string_view dataEntryHelpText();
std::string_view clientsHelpText();
std::string_view attorneysHelpText();
std::string_view mattersHelpText();
std::string_view billingRecordsHelpText();
std::string_view monthlyStatementsHelpText();
std::string_view reportsHelpText();

}  // namespace vrk::help
