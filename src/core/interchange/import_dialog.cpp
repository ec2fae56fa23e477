#include "core/interchange/import_dialog.h"

#include <stdexcept>

#include "core/interchange/csv.h"
#include "core/shell/guards.h"
#include "core/store/billing_period.h"
#include "core/store/file_io.h"
#include "core/store/transaction.h"

namespace vrk::interchange {
namespace {

constexpr std::uint64_t kMostImportBytes = 1ULL << 30;

}  // namespace

const shell::Command& importCommand(ImportKind kind) {
  const char* label = kind == ImportKind::Time         ? "Add A Time Record"
                      : kind == ImportKind::CostCredit ? "Add A Cost/Credit Record"
                                                       : "Add A Client Payment Record";
  const shell::Command* command = shell::findCommand(shell::commandName(label));
  if (!command) throw std::logic_error(std::string("no main-window command ") + label);
  return *command;
}

std::vector<std::string> previewLines(std::string_view bytes, std::size_t rows) {
  const CsvFile file = readCsv(bytes);
  if (!file.error.empty()) return {file.error};
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < file.rows.size() && i < rows; ++i) {
    std::string line;
    for (const auto& field : file.rows[i].fields) {
      if (!line.empty()) line += " | ";
      for (const char c : field) line += c == '\n' ? std::string(" / ") : std::string(1, c);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

dialog::Outcome importFile(const std::string& dataFilesPath, const std::string& period, ImportKind kind,
                           const std::filesystem::path& file, dialog::Prompter& prompter,
                           std::vector<std::string>& problems) {
  problems.clear();
  const std::string bytes = store::io::readWhole(file, kMostImportBytes);
  const auto folder = store::billingPeriodFolder(dataFilesPath, period);
  std::error_code ignored;
  if (std::filesystem::is_directory(folder, ignored)) store::recoverFolder(folder);  // the guards read saved state
  dialog::Outcome outcome = shell::runGuards(importCommand(kind), dataFilesPath, period, prompter);
  if (outcome.closing != dialog::Closing::Ok) return outcome;
  outcome.closing = dialog::Closing::Stay;
  const ImportResult result = importRecords(folder, kind, bytes);
  problems = result.problems;
  if (!problems.empty()) return outcome.error(kNotImportedMessage);
  outcome.information(std::to_string(result.imported) + kImportedMessage);
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::interchange
