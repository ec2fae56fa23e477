#include "batch/command_line.h"

#include <stdexcept>

namespace vrk::batch {

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  std::vector<std::string> words;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&](const char* option) -> std::string {
      if (i + 1 >= args.size()) throw UsageError(std::string(option) + " needs a value");
      return args[++i];
    };
    if (arg == "--data-dir") {
      line.dataDir = value("--data-dir");
    } else if (arg == "--settings") {
      line.settingsFile = value("--settings");
    } else if (arg == "--period") {
      line.period = value("--period");
    } else if (arg == "--today") {
      line.today = value("--today");
    } else if (arg == "--out") {
      line.out = value("--out");
    } else if (arg == "--ledes") {
      line.ledes = value("--ledes");
    } else if (arg == "--all") {
      line.all = true;
    } else if (arg == "--yes" || arg == "--no") {
      line.answer = arg == "--yes";
    } else if (arg == "--screen") {
      line.screen = true;
    } else if (arg.rfind("--", 0) == 0) {
      throw UsageError("unknown option " + arg);
    } else {
      words.push_back(arg);
    }
  }
  if (words.empty()) throw UsageError("missing verb: do, print, import, export or help");
  line.verb = words[0];
  if (line.verb != "do" && line.verb != "print" && line.verb != "import" && line.verb != "export" &&
      line.verb != "check-ledes" && line.verb != "verify" && line.verb != "help")
    throw UsageError("unknown verb " + line.verb + " (do, print, import, export, check-ledes, verify or help)");
  if (line.all && line.verb != "verify") throw UsageError("--all goes with verify");
  std::size_t next = 1;
  if (line.verb == "verify" && words.size() > 1) throw UsageError("verify takes --period MMYYYY or --all, nothing else");
  if (line.verb != "help" && line.verb != "verify") {
    if (words.size() < 2)
      throw UsageError(line.verb + (line.verb == "import"   ? " needs the kind of records: time, cost-credit or payment"
                                    : line.verb == "export" ? " needs what to export: time, cost-credit, payment, "
                                                              "clients, matters or ledes"
                                    : line.verb == "check-ledes" ? " needs the file to check"
                                                            : " needs the name of an action or document"));
    line.name = words[1];
    next = 2;
  }
  if (!line.ledes.empty() && !(line.verb == "do" && line.name.rfind("final-statements", 0) == 0))
    throw UsageError("--ledes DIR goes with do final-statements and do final-statements-all");
  for (std::size_t i = next; i < words.size(); ++i) {
    const auto equals = words[i].find('=');
    if (equals == std::string::npos || equals == 0) {
      // A bare word after the name (print help setup): kept as a positional field.
      line.fields.emplace_back("", words[i]);
      continue;
    }
    line.fields.emplace_back(words[i].substr(0, equals), words[i].substr(equals + 1));
  }
  return line;
}

}  // namespace vrk::batch
