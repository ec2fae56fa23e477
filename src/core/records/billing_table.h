// The time and cost/credit record tables as the dialogs use them: keys, a client's run of
// positions, the lists the selection part offers, and each table's own message texts.
#pragma once

#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/matters/matter_lists.h"
#include "core/store/record_table.h"

namespace vrk::records {

enum class RecordKind { Time, CostCredit };

// The texts that differ between the time and cost/credit dialogs and editors.
struct KindTexts {
  std::string noneForClient;             // change dialog and editors (information)
  std::string noneForClientMatter;       // change dialog (information)
  std::string deleteNoneForClient;       // delete dialog (information)
  std::string deleteNoneForClientMatter; // delete dialog (information)
  std::string deleteNotDisplayed;        // Delete with no record shown (information)
  dialog::MessageKind deleteRuleKind;    // the delete dialog's box for a code or number failing its rule
  std::string endOf;                     // editors: "END OF TIME RECORDS FOR CLIENT"
  std::string beginningOf;
};
const KindTexts& kindTexts(RecordKind kind);
store::TableLayout tableLayout(RecordKind kind);

struct RecordKey {
  std::string client;
  std::string matter;  // as stored
  double date = 0;     // stored date

  bool operator==(const RecordKey&) const = default;
};
store::Key toKey(const RecordKey& key);
RecordKey keyAt(const store::RecordTable& table, std::size_t position);

// Consecutive positions first .. first+count-1.
struct Run {
  std::size_t first = 0;
  std::size_t count = 0;
  bool empty() const { return count == 0; }
};
// The positions holding a client code (byte for byte); for payments too (column 0 is the client).
Run clientRun(const store::RecordTable& table, const std::string& client);
// Within a client's run, the positions of a matter number (by value); `matter` must be digits.
Run matterRun(const store::RecordTable& table, const std::string& client, const std::string& matter);

// The distinct client codes of column 0 in table order.
std::vector<std::string> distinctClients(const store::RecordTable& table);
// The distinct matter numbers of a client's records, in table order.
std::vector<std::string> distinctMatters(const store::RecordTable& table, const std::string& client);
// One MM/DD/YYYY entry per position of the run; `dateColumn` is the table's date column.
std::vector<std::string> dateEntries(const store::RecordTable& table, Run run, std::size_t dateColumn);

// Where the cost/credit add dialog puts a new record: after the client's and matter's records
// whose stored dates (time of day included) are not after the new one.
std::size_t costCreditAddPosition(const store::RecordTable& table, const RecordKey& key);

// Whether `number` (digits; leading zeros allowed) is one of the client's registered matters.
bool isRegisteredMatter(const matters::MatterLists& lists, const std::string& client, const std::string& number);

}  // namespace vrk::records
