// The logic of the four review-and-change editors: TReviewChangeClientTimeRecordsForm,
// TReviewChangeClientCostCreditRecordsForm, TReviewChangeClientPaymentRecordsForm and
// TReviewChangeClientMattersForm. Each steps through one client's records (Next, Back) and saves
// the shown one in place; the editor stays open after a save.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/matters/change_matter.h"
#include "core/matters/matter_boxes.h"
#include "core/matters/matter_lists.h"
#include "core/records/record_boxes.h"
#include "core/records/record_browser.h"
#include "core/records/payments.h"

namespace vrk::records {

// A save reports its progress: 1 once the entry has passed its checks, 2 when the writes are
// staged, 3 when they are committed.
using Progress = std::function<void(int step)>;

// What every editor shares: the browsing state and the shown record's place.
class EditorBase {
 public:
  const std::vector<std::string>& clients() const { return clients_; }
  long stepIndex() const { return browser_.index(); }

 protected:
  EditorBase(std::filesystem::path folder, BrowseTexts texts) : folder_(std::move(folder)), browser_(std::move(texts)) {}

  std::filesystem::path folder_;
  std::vector<std::string> clients_;
  RecordBrowser browser_;
  std::optional<std::size_t> position_;  // the shown record's position
};

// The time and cost/credit editors' shared part: a step reads the shown record's key and bytes; a
// save writes the checked entry over it when it still stands where it was shown.
class BillingRecordEditor : public EditorBase {
 public:
  const matters::MatterLists& lists() const { return lists_; }

 protected:
  BillingRecordEditor(std::filesystem::path folder, RecordKind kind);
  // True when the step shows a record (`key_` and `record_` hold it).
  bool stepTo(Direction direction, const std::string& client, dialog::Outcome& outcome);
  // `write` puts the entry over the record at a position and returns where the record stands then.
  dialog::Outcome writeShown(dialog::Outcome outcome, const Progress& progress,
                             const std::function<std::size_t(store::RecordTable&, std::size_t)>& write);

  RecordKind kind_;
  matters::MatterLists lists_;
  RecordKey key_;
  std::string record_;
};

class TimeRecordEditor : public BillingRecordEditor {
 public:
  explicit TimeRecordEditor(std::filesystem::path folder);
  dialog::Outcome step(Direction direction, const std::string& client);
  const std::optional<TimeBoxes>& shown() const { return shown_; }
  dialog::Outcome save(const TimeBoxes& boxes, const Progress& progress = {});

 private:
  std::optional<TimeBoxes> shown_;
};

class CostCreditRecordEditor : public BillingRecordEditor {
 public:
  explicit CostCreditRecordEditor(std::filesystem::path folder);
  dialog::Outcome step(Direction direction, const std::string& client);
  const std::optional<CostCreditBoxes>& shown() const { return shown_; }
  dialog::Outcome save(const CostCreditBoxes& boxes, const Progress& progress = {});

 private:
  std::optional<CostCreditBoxes> shown_;
};

class PaymentRecordEditor : public EditorBase {
 public:
  explicit PaymentRecordEditor(std::filesystem::path folder);
  const std::vector<std::string>& clientCodes() const { return clientCodes_; }
  dialog::Outcome step(Direction direction, const std::string& client);
  const std::optional<PaymentBoxes>& shown() const { return shown_; }
  dialog::Outcome save(const PaymentBoxes& boxes, const Progress& progress = {});

 private:
  std::vector<std::string> clientCodes_;
  std::optional<PaymentBoxes> shown_;
  PaymentKey key_;
};

// The matter editor: every client of the client list can be browsed; Save is the change-matter
// dialog's (the same checks and messages, a new key carrying the period's billing records along).
class MatterEditor : public EditorBase {
 public:
  explicit MatterEditor(std::filesystem::path folder);
  const matters::MatterLists& lists() const { return change_.selection().lists(); }
  dialog::Outcome step(Direction direction, const std::string& client);
  const std::optional<matters::MatterBoxes>& shown() const { return shown_; }
  dialog::Outcome save(const matters::MatterBoxes& boxes, const Progress& progress = {});

 private:
  matters::ChangeMatter change_;
  std::optional<matters::MatterBoxes> shown_;
};

}  // namespace vrk::records
