// Start-up: reading the settings, or the first-run setup (data directory, first invoice number).
#pragma once

#include <optional>
#include <string>

#include "core/dialog/outcome.h"
#include "core/services/settings_store.h"
#include "core/shell/session.h"

namespace vrk::shell {

inline constexpr const char* kDataDirectoryName = "VRK DATA FILES";
inline constexpr const char* kInvalidInvoiceNumber = "      Invalid Invoice Number\r\nEnter A Number From 1 To 32766";

// The data directory inside a chosen parent, ending in a separator: /home/ann -> /home/ann/VRK DATA FILES/.
std::string dataFilesPathFromParent(const std::string& parent);

// The create-directory confirmation's label (stored text; the path is UTF-8 like every path):
// one line below 30 characters of path, else the path on a line of its own.
std::string createDirectoryLabel(const std::string& dataFilesPath);

// Creates the data directory (one level). Empty on success, else the message to show.
std::string createDataDirectory(const std::string& dataFilesPath);

// The first invoice number dialog: starts at 1; OK accepts 1 to 32766 (commas allowed).
class InvoiceNumberQuery {
 public:
  dialog::Outcome ok(const std::string& text);
  int number() const { return number_; }

 private:
  int number_ = 1;
};

// The windows start-up shows, answered by the desktop or by tests.
class StartUpDialogs {
 public:
  virtual ~StartUpDialogs() = default;
  // The data directory chooser: the parent folder picked (UTF-8), or nothing when cancelled.
  virtual std::optional<std::string> pickParentDirectory() = 0;
  // The create-directory confirmation showing `label`; true for Yes.
  virtual bool confirmCreateDirectory(const std::string& label) = 0;
  // The first invoice number dialog: the number on OK, nothing on Cancel.
  virtual std::optional<int> askFirstInvoiceNumber() = 0;
  virtual void show(const dialog::Message& message) = 0;
};

struct SettingsRead {
  bool endProgram = false;      // the first-run setup was cancelled
  bool declinedCreate = false;  // the data directory was missing and the user answered No
};

// What Continue (and File > Backup / Restore on the opening window) does first: read the
// settings into the session, asking to create a missing data directory; or, on the first run,
// choose the data directory and the first invoice number and write the settings.
SettingsRead readSettingsOrSetUp(services::SettingsStore& settings, StartUpDialogs& dialogs, Session& session);

}  // namespace vrk::shell
