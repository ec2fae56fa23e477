// The logic of TAddTimeRecordForm, TChangeTimeRecordForm and TDeleteTimeRecordForm, and the entry
// check and change the time record editor shares with them.
#pragma once

#include <filesystem>
#include <optional>

#include "core/dialog/outcome.h"
#include "core/matters/matter_lists.h"
#include "core/records/record_boxes.h"
#include "core/records/record_fields.h"
#include "core/records/record_numbers.h"
#include "core/records/record_selection.h"

namespace vrk::records {

// A checked entry: the key and the record fields to store.
struct TimeEntry {
  RecordKey key;
  TimeRecord record;
  bool rateUnchanged = false;  // "$" alone in a change: the record keeps its rate
};

// Checks the boxes in the dialogs' order (client code, client known, matter number, matter
// registered or 0, initials, initials known, time, rate); the first failure is the outcome's one
// error. The normalised matter (change), time and rate texts are written back even when another
// check fails. `formerClient`: in a change, the client of the record shown, which need not be in
// the client list any more.
std::optional<TimeEntry> checkTimeEntry(const TimeBoxes& boxes, const matters::MatterLists& lists, Entry entry,
                                        const std::string* formerClient, const std::string& rateMessage,
                                        dialog::Outcome& outcome);

// Writes a changed record: in place when client, matter (by value) and day are unchanged, else at
// the place its new key sorts to. Staged in `table`'s transaction; returns its new position.
std::size_t writeChangedTimeRecord(store::RecordTable& table, std::size_t position, const TimeEntry& entry,
                            const TimeRecord& before);

// The boxes Display fills from a record: the rate as $1,250.00 or "none".
TimeBoxes shownTimeBoxes(const RecordKey& key, const TimeRecord& record);

class AddTimeRecord {
 public:
  explicit AddTimeRecord(std::filesystem::path folder);
  const matters::MatterLists& lists() const { return lists_; }
  // Saves a valid entry (closing the dialog) and sets the last entry date to its date.
  dialog::Outcome save(const TimeBoxes& boxes, store::CalendarDate& lastEntryDate);

 private:
  std::filesystem::path folder_;
  matters::MatterLists lists_;
};

class ChangeTimeRecord {
 public:
  explicit ChangeTimeRecord(std::filesystem::path folder);
  const matters::MatterLists& lists() const { return lists_; }
  RecordSelection& selection() { return selection_; }
  const RecordSelection& selection() const { return selection_; }
  // The edit part as Display fills it (a record must be selected).
  TimeBoxes shownBoxes() const;
  dialog::Outcome save(const TimeBoxes& boxes, store::CalendarDate& lastEntryDate);

 private:
  std::filesystem::path folder_;
  matters::MatterLists lists_;
  RecordSelection selection_;
};

class DeleteTimeRecord {
 public:
  explicit DeleteTimeRecord(std::filesystem::path folder);
  RecordSelection& selection() { return selection_; }
  const RecordSelection& selection() const { return selection_; }
  TimeBoxes shownBoxes() const;
  dialog::Outcome remove();

 private:
  RecordSelection selection_;
};

}  // namespace vrk::records
