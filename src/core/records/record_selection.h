// The selection part of the change and delete dialogs of time and cost/credit records: client
// list, matter list, date list and Display.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/records/billing_table.h"

namespace vrk::records {

// The delete dialogs word their Display messages in mixed case, the change dialogs in capitals.
enum class Wording { Capitals, MixedCase };

// The date list's entry: its text as shown, and which entry was chosen when the text is one of
// them (two records on one day give two equal texts).
struct DateChoice {
  std::string text;
  std::optional<std::size_t> index;
};

// The index of the chosen entry: the chosen one when its text is still the text shown, else the
// first entry with the typed text; an empty text means the first entry. Nothing when the typed
// text is no entry.
std::optional<std::size_t> chosenEntry(const std::vector<std::string>& entries, const DateChoice& date);

struct SelectedRecord {
  std::size_t position = 0;
  RecordKey key;
  std::int32_t slot = 0;
  std::string record;    // the data record's bytes
  std::string dateText;  // the chosen entry of the date list
};

class RecordSelection {
 public:
  // Loads the table's keys for the lists.
  RecordSelection(std::filesystem::path folder, RecordKind kind, Wording wording);

  const std::filesystem::path& folder() const { return folder_; }
  RecordKind kind() const { return kind_; }

  const std::vector<std::string>& clients() const { return clients_; }
  std::vector<std::string> matters(const std::string& client) const;
  std::vector<std::string> dates(const std::string& client, const std::string& matter) const;

  // Display: checks the client code, that it has records, the matter number, that the client has
  // records for it, and the chosen date (a typed date that is no entry of the list finds nothing);
  // the first failure is reported. Otherwise the record is read and remembered.
  dialog::Outcome display(const std::string& client, const std::string& matter, const DateChoice& date);

  const std::optional<SelectedRecord>& selected() const { return selected_; }
  void forget() { selected_.reset(); }

  // The selected record's position in a freshly loaded table, when it still stands there with the
  // same key and data slot.
  std::optional<std::size_t> locate(const store::RecordTable& table) const;

  // Save of a change whose entry has passed its checks: `write` puts it over the selected record
  // in one transaction (closing the dialog); a record changed meanwhile is refused.
  dialog::Outcome saveSelected(dialog::Outcome outcome,
                               const std::function<void(store::RecordTable&, std::size_t)>& write);

  // Delete: removes the selected record in one transaction (closing the dialog); with nothing
  // displayed, the table's "must be displayed" message and nothing written.
  dialog::Outcome removeSelected();

 private:
  std::filesystem::path folder_;
  RecordKind kind_;
  Wording wording_;
  std::vector<std::string> clients_;
  std::vector<RecordKey> keys_;  // as loaded, for the lists
  std::optional<SelectedRecord> selected_;
};

}  // namespace vrk::records
