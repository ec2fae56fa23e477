// The checks a main-window command runs before its dialog opens, each with its own message.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"
#include "core/shell/commands.h"

namespace vrk::shell {

inline constexpr const char* kPriorPeriodMessage =
    "           THIS OPERATION CANNOT BE PERFORMED\n\r"
    "       UNTIL FINAL STATEMENTS HAVE BEEN PRINTED\n\r"
    " FOR THE PRIOR BILLING PERIOD FOR ALL CLIENT GROUPS";
inline constexpr const char* kFinalStatementsQuestion =
    "FINAL STATEMENTS HAVE BEEN COMPLETED FOR THIS BILLING PERIOD\r\n"
    "        DO YOU WANT TO CONTINUE WITH THIS OPERATION?";
inline constexpr const char* kNoFinalStatementsMessage =
    "FINAL STATEMENTS HAVE NOT BEEN PRINTED\r\n"
    "             FOR THIS BILLING PERIOD";
inline constexpr const char* kNotAllFinalStatementsMessage =
    "      FINAL STATEMENTS FOR ALL CLIENT GROUPS\r\n"
    "HAVE NOT BEEN PRINTED FOR THIS BILLING PERIOD";

// Passes when the prior period's folder is missing, has no ClientGroups.Dat, or lists as many
// groups with final statements as client groups. Otherwise the message to show.
std::optional<dialog::Message> priorPeriodGuard(const std::string& dataFilesPath, const std::string& period);

// Passes at once unless every client group of the current period has its final statements;
// then asks whether to continue (a warning with Yes and No) and passes on Yes.
bool finalStatementsWarning(const std::filesystem::path& folder, dialog::Prompter& prompter,
                            dialog::Outcome& outcome);

// The activity reports open only when every client group's final statements are printed and
// the report's file exists. Otherwise the message to show.
std::optional<dialog::Message> activityReportGate(const std::filesystem::path& folder, const std::string& reportFile);

// Runs a command's guards in order and stops at the first that fails. The outcome lists every
// box shown; it closes with OK when all passed (the command's dialog may open), else Cancel.
dialog::Outcome runGuards(const Command& command, const std::string& dataFilesPath, const std::string& period,
                          dialog::Prompter& prompter);

}  // namespace vrk::shell
