// The logic of TAddCostCreditRecordForm, TChangeCostCreditRecordForm and
// TDeleteCostCreditRecordForm, and the entry check and change the cost/credit editor shares.
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

struct CostCreditEntry {
  RecordKey key;
  CostCreditRecord record;
};

// Checks the boxes in the dialogs' order (client code, client known, matter number, matter
// registered, amount); the first failure is the outcome's one error. The add dialog asks for a
// matter from 1 and calls a bad amount "INVALID COST/CREDIT AMOUNT"; the change dialog and the
// editor clean and write back the matter box, ask for a matter from 0 and say "INVALID
// COST/CREDIT ENTRY". The normalised amount is written back even when another check fails.
std::optional<CostCreditEntry> checkCostCreditEntry(const CostCreditBoxes& boxes, const matters::MatterLists& lists,
                                                    Entry entry, const std::string* formerClient,
                                                    dialog::Outcome& outcome);

// Writes a changed record: in place when client, matter (by value) and day are unchanged, else at
// the place its new key sorts to. Returns its new position.
std::size_t writeChangedCostCreditRecord(store::RecordTable& table, std::size_t position, const CostCreditEntry& entry);

CostCreditBoxes shownCostCreditBoxes(const RecordKey& key, const CostCreditRecord& record);

class AddCostCreditRecord {
 public:
  explicit AddCostCreditRecord(std::filesystem::path folder);
  const matters::MatterLists& lists() const { return lists_; }
  // A new record goes after the client's and matter's records whose stored dates are not after
  // its own.
  dialog::Outcome save(const CostCreditBoxes& boxes, store::CalendarDate& lastEntryDate);

 private:
  std::filesystem::path folder_;
  matters::MatterLists lists_;
};

class ChangeCostCreditRecord {
 public:
  explicit ChangeCostCreditRecord(std::filesystem::path folder);
  const matters::MatterLists& lists() const { return lists_; }
  RecordSelection& selection() { return selection_; }
  const RecordSelection& selection() const { return selection_; }
  CostCreditBoxes shownBoxes() const;
  dialog::Outcome save(const CostCreditBoxes& boxes, store::CalendarDate& lastEntryDate);

 private:
  std::filesystem::path folder_;
  matters::MatterLists lists_;
  RecordSelection selection_;
};

class DeleteCostCreditRecord {
 public:
  explicit DeleteCostCreditRecord(std::filesystem::path folder);
  RecordSelection& selection() { return selection_; }
  const RecordSelection& selection() const { return selection_; }
  CostCreditBoxes shownBoxes() const;
  // The delete dialog checks the matter box when it is left: the error for an empty number or one
  // that fails the whole-number rule, nothing otherwise.
  static dialog::Outcome matterLeft(const std::string& matter);
  dialog::Outcome remove();

 private:
  RecordSelection selection_;
};

}  // namespace vrk::records
