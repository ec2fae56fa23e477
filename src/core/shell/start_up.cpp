#include "core/shell/start_up.h"

#include <filesystem>
#include <system_error>

#include "core/rules/invoice_number.h"
#include "core/store/file_io.h"
#include "core/text/cp1252.h"

namespace vrk::shell {
namespace {

constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

bool isDirectory(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

// Asks to create a missing data directory and creates it on Yes. True when it exists afterwards.
bool offerToCreate(const std::string& dataFilesPath, StartUpDialogs& dialogs, bool& declined) {
  if (isDirectory(dataFilesPath)) return true;
  if (!dialogs.confirmCreateDirectory(createDirectoryLabel(dataFilesPath))) {
    declined = true;
    return false;
  }
  const std::string problem = createDataDirectory(dataFilesPath);
  if (!problem.empty()) dialogs.show({dialog::MessageKind::Error, problem});
  return problem.empty();
}

// The settings of a first run mark nothing as a backup yet: the backup dialogs open at the
// root of the data directory's file system.
std::string rootOf(const std::string& path) {
  const auto root = std::filesystem::path(path).root_path().string();
  return root.empty() ? std::string(1, kSeparator) : root;
}

}  // namespace

std::string dataFilesPathFromParent(const std::string& parent) {
  std::string path = parent;
  if (path.empty() || (path.back() != kSeparator && path.back() != '/')) path += kSeparator;
  return path + kDataDirectoryName + kSeparator;
}

std::string createDirectoryLabel(const std::string& dataFilesPath) {
  const std::string shown = text::cp1252FromUtf8(dataFilesPath);
  if (shown.size() < 30) return "Create New Directory:  " + shown;
  return "               Create New Directory:  \r\n\r\n" + shown;
}

std::string createDataDirectory(const std::string& dataFilesPath) {
  std::error_code ec;
  if (store::io::createDirectory(dataFilesPath, ec)) return {};
  return "THE DATA DIRECTORY COULD NOT BE CREATED\r\n" + text::cp1252FromUtf8(dataFilesPath) +
         (ec ? "\r\n" + ec.message() : std::string());
}

dialog::Outcome InvoiceNumberQuery::ok(const std::string& text) {
  dialog::Outcome outcome;
  if (const auto number = rules::firstInvoiceNumber(text)) {
    number_ = *number;
    outcome.closing = dialog::Closing::Ok;
  } else {
    outcome.error(kInvalidInvoiceNumber);
  }
  return outcome;
}

SettingsRead readSettingsOrSetUp(services::SettingsStore& settings, StartUpDialogs& dialogs, Session& session) {
  SettingsRead result;
  if (settings.keyExists()) {
    session.dataFilesPath = settings.readString(services::kDataFilesPath);
    offerToCreate(session.dataFilesPath, dialogs, result.declinedCreate);
    return result;
  }

  // First run: nothing is written unless a data directory is chosen (and exists).
  session.nextInvoiceNumber = 1;
  const auto parent = dialogs.pickParentDirectory();
  bool declined = false;
  if (!parent || !offerToCreate(dataFilesPathFromParent(*parent), dialogs, declined)) {
    result.endProgram = true;
    return result;
  }
  session.dataFilesPath = dataFilesPathFromParent(*parent);
  settings.createKey();
  settings.writeString(services::kDataFilesPath, session.dataFilesPath);
  settings.writeString(services::kBackupDataFilesPath, rootOf(session.dataFilesPath));
  if (const auto number = dialogs.askFirstInvoiceNumber()) session.nextInvoiceNumber = *number;
  settings.writeString(services::kNextInvoiceNumber, std::to_string(session.nextInvoiceNumber));
  return result;
}

}  // namespace vrk::shell
