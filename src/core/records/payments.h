// The logic of TAddClientPaymentForm, TChangeClientPaymentForm and TDeleteClientPaymentForm, and
// the payment editor's entry check and change: the three payment files and each client's
// payments-since-last-statement total, changed together in one transaction.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/records/billing_table.h"
#include "core/records/record_boxes.h"
#include "core/records/record_numbers.h"
#include "core/records/record_selection.h"

namespace vrk::records {

struct PaymentKey {
  std::string client;
  double date = 0;
  std::string amount;  // decimal text as stored

  bool operator==(const PaymentKey&) const = default;
};
store::Key toKey(const PaymentKey& key);
PaymentKey paymentAt(const store::RecordTable& payments, std::size_t position);

// Adds `delta` to a client's payments-since-last-statement total (staged in `tx`). False, with
// nothing staged, when the new total would not fit the field's 11 characters as two-decimal text.
// A client no longer in the client list has no total to keep: nothing is staged, and true.
bool adjustPaymentsSince(store::Transaction& tx, const std::string& client, double delta);

// Checks client code, client known and amount (in that order; the first failure is the one
// error); the normalised amount is written back even when the client fails.
std::optional<PaymentKey> checkPaymentEntry(const PaymentBoxes& boxes, const std::vector<std::string>& clientCodes,
                                            dialog::Outcome& outcome);

// Gives the payment at `position` the new client, date and amount: it goes behind the client's
// payments of its day, even when nothing changed, and the totals follow (same client: the
// difference; another client: the amount moves). Returns its new position; nothing, with nothing
// staged, when a total would not fit.
std::optional<std::size_t> writeChangedPayment(store::Transaction& tx, store::RecordTable& payments, std::size_t position,
                         const PaymentKey& entry);

// The selection part of the change and delete dialogs: client list, date list, Display.
class PaymentSelection {
 public:
  PaymentSelection(std::filesystem::path folder, Wording wording);

  const std::filesystem::path& folder() const { return folder_; }
  const std::vector<std::string>& clients() const { return clients_; }
  std::vector<std::string> dates(const std::string& client) const;
  dialog::Outcome display(const std::string& client, const DateChoice& date);

  struct Selected {
    std::size_t position = 0;
    PaymentKey key;
    std::string dateText;
  };
  const std::optional<Selected>& selected() const { return selected_; }
  void forget() { selected_.reset(); }
  std::optional<std::size_t> locate(const store::RecordTable& payments) const;

 private:
  std::filesystem::path folder_;
  Wording wording_;
  std::vector<std::string> clients_;
  std::vector<PaymentKey> keys_;
  std::optional<Selected> selected_;
};

// What the display parts show of a payment: client, date, amount as $1,500.00.
PaymentBoxes shownPaymentBoxes(const PaymentKey& key);

class AddPayment {
 public:
  explicit AddPayment(std::filesystem::path folder);
  const std::vector<std::string>& clientCodes() const { return clientCodes_; }
  dialog::Outcome save(const PaymentBoxes& boxes, store::CalendarDate& lastEntryDate);

 private:
  std::filesystem::path folder_;
  std::vector<std::string> clientCodes_;
};

class ChangePayment {
 public:
  explicit ChangePayment(std::filesystem::path folder);
  const std::vector<std::string>& clientCodes() const { return clientCodes_; }
  PaymentSelection& selection() { return selection_; }
  const PaymentSelection& selection() const { return selection_; }
  PaymentBoxes shownBoxes() const;  // the former record, also copied into the new one
  // The last entry date stays as it is.
  dialog::Outcome save(const PaymentBoxes& boxes);

 private:
  std::filesystem::path folder_;
  std::vector<std::string> clientCodes_;
  PaymentSelection selection_;
};

class DeletePayment {
 public:
  explicit DeletePayment(std::filesystem::path folder);
  PaymentSelection& selection() { return selection_; }
  const PaymentSelection& selection() const { return selection_; }
  PaymentBoxes shownBoxes() const;
  dialog::Outcome remove();

 private:
  PaymentSelection selection_;
};

// The sorted client code list of a period folder (empty when there is none).
std::vector<std::string> loadClientCodes(const std::filesystem::path& folder);

}  // namespace vrk::records
