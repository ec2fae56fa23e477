// Parses vrk-batch's command line: global options, the verb, its name and name=value fields.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vrk::batch {

using Fields = std::vector<std::pair<std::string, std::string>>;  // in the order given

struct CommandLine {
  std::string dataDir;       // --data-dir
  std::string settingsFile;  // --settings
  std::string period;        // --period MMYYYY
  std::string today;         // --today MM/DD/YYYY
  std::string verb;          // do, print, import, export, check-ledes, verify or help
  std::string name;          // the action or document; for import and export the kind
  Fields fields;
  std::optional<bool> answer;  // --yes / --no
  bool screen = false;         // --screen
  std::string out;             // --out FILE
  std::string ledes;           // --ledes DIR (final statements)
  bool all = false;            // --all (verify)
};

// Raised for a command line that cannot be understood; what() says why.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

CommandLine parseCommandLine(const std::vector<std::string>& args);

}  // namespace vrk::batch
