#include "core/records/payments.h"

#include <algorithm>

#include "core/clients/client_book.h"
#include "core/clients/client_record.h"
#include "core/document/date_text.h"
#include "core/document/number_text.h"
#include "core/records/record_fields.h"
#include "core/records/record_messages.h"
#include "core/rules/decimal_value.h"
#include "core/rules/input_rules.h"
#include "core/store/catalogue.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"

namespace vrk::records {
namespace {

constexpr std::size_t kPaymentDateColumn = 1;

const std::string kNoneForClient = "NO PAYMENT RECORDS ARE PRESENT FOR THIS CLIENT";
const std::string kDeleteNoneForClient = "No Payment Records Are Present For This Client";
const std::string kDeleteNotDisplayed =
    dialog::centredMessage("A Payment Record Must Be Displayed", "Before It Can Be Deleted");

// A client's new total as stored, or nothing when it would not fit its field.
struct TotalChange {
  std::size_t position = 0;
  clients::ClientRecord record;
};

// Works out a client's new total; nothing when the client is gone (no total to keep), and
// `fits` false when the total would not fit.
std::optional<TotalChange> newTotal(const store::RecordTable& clients, const std::string& client, double delta,
                                    bool& fits) {
  const auto position = clients::clientPosition(clients, client);
  if (!position) return std::nullopt;
  TotalChange change{*position, clients::decodeClientRecord(clients.readRecord(*position))};
  std::string& field = change.record.amounts[clients::kPaymentsSinceLastStatement];
  const std::string text = document::fixedText(rules::storedDecimalValue(field) + delta, 2, document::kAmountDigits);
  if (text.size() > kAmountWidth) fits = false;
  field = text;
  return change;
}

// Applies the total changes of one or two clients, all or none.
bool adjustTotals(store::Transaction& tx, const std::vector<std::pair<std::string, double>>& deltas) {
  store::RecordTable clients(store::clientTable(), tx);
  bool fits = true;
  std::vector<TotalChange> changes;
  for (const auto& [client, delta] : deltas)
    if (auto change = newTotal(clients, client, delta, fits)) changes.push_back(std::move(*change));
  if (!fits) return false;
  for (const auto& change : changes) clients.changeRecord(change.position, clients::encodeClientRecord(change.record));
  return true;
}

bool hasCode(const std::vector<std::string>& list, const std::string& code) {
  return std::find(list.begin(), list.end(), code) != list.end();
}

}  // namespace

store::Key toKey(const PaymentKey& key) { return {key.client, key.date, key.amount}; }

PaymentKey paymentAt(const store::RecordTable& payments, std::size_t position) {
  return {payments.texts(0)[position], payments.dates(kPaymentDateColumn)[position], payments.texts(2)[position]};
}

std::vector<std::string> loadClientCodes(const std::filesystem::path& folder) {
  store::Transaction tx(folder);
  if (!tx.exists(store::files::kClientCodes)) return {};
  auto codes = store::parseTextList(tx.read(store::files::kClientCodes));
  store::sortTextList(codes);
  return codes;
}

bool adjustPaymentsSince(store::Transaction& tx, const std::string& client, double delta) {
  return adjustTotals(tx, {{client, delta}});
}

std::optional<PaymentKey> checkPaymentEntry(const PaymentBoxes& boxes, const std::vector<std::string>& clientCodes,
                                            dialog::Outcome& outcome) {
  const auto amount = readPaymentAmount(boxes.amount);
  if (amount) outcome.writeBack[box::kAmount] = amount->shown;
  const std::string* failure = nullptr;
  if (!rules::isClientCode(boxes.client)) {
    failure = &message::kClientCodeRule;
  } else if (!hasCode(clientCodes, boxes.client)) {
    failure = &message::kClientNotPresent;
  } else if (!amount) {
    failure = &message::kPaymentAmount;
  }
  if (failure) {
    outcome.error(*failure);
    return std::nullopt;
  }
  return PaymentKey{boxes.client, store::toStoredDate(boxes.date), amount->stored};
}

std::optional<std::size_t> writeChangedPayment(store::Transaction& tx, store::RecordTable& payments, std::size_t position,
                         const PaymentKey& entry) {
  const PaymentKey former = paymentAt(payments, position);
  const double formerAmount = rules::storedDecimalValue(former.amount);
  const double newAmount = rules::storedDecimalValue(entry.amount);
  const bool fits = former.client == entry.client
                        ? adjustTotals(tx, {{entry.client, newAmount - formerAmount}})
                        : adjustTotals(tx, {{former.client, -formerAmount}, {entry.client, newAmount}});
  if (!fits) return std::nullopt;
  return payments.changeKey(position, toKey(entry), store::RecordTable::EqualKey::GoesBehind);
}

PaymentBoxes shownPaymentBoxes(const PaymentKey& key) {
  return {key.client, store::fromStoredDate(key.date), shownAmount(key.amount)};
}

PaymentSelection::PaymentSelection(std::filesystem::path folder, Wording wording)
    : folder_(std::move(folder)), wording_(wording) {
  store::Transaction tx(folder_);
  const store::RecordTable payments(store::paymentRecordTable(), tx);
  keys_.reserve(payments.size());
  for (std::size_t p = 0; p < payments.size(); ++p) keys_.push_back(paymentAt(payments, p));
  clients_ = distinctClients(payments);
}

std::vector<std::string> PaymentSelection::dates(const std::string& client) const {
  std::vector<std::string> entries;
  for (const auto& key : keys_)
    if (key.client == client) entries.push_back(document::recordDate(store::fromStoredDate(key.date)));
  return entries;
}

dialog::Outcome PaymentSelection::display(const std::string& client, const DateChoice& date) {
  const bool capitals = wording_ == Wording::Capitals;
  dialog::Outcome outcome;
  if (!rules::isClientCode(client))
    return outcome.error(capitals ? message::kClientCodeRule : message::kDeleteClientCodeRule);
  store::Transaction tx(folder_);
  const store::RecordTable payments(store::paymentRecordTable(), tx);
  const Run run = clientRun(payments, client);
  const std::string& none = capitals ? kNoneForClient : kDeleteNoneForClient;
  if (run.empty()) return outcome.information(none);

  const std::vector<std::string> entries = dateEntries(payments, run, kPaymentDateColumn);
  const std::optional<std::size_t> index = chosenEntry(entries, date);
  if (!index) return outcome.information(none);
  const std::size_t position = run.first + *index;
  selected_ = Selected{position, paymentAt(payments, position), entries[*index]};
  return outcome;
}

std::optional<std::size_t> PaymentSelection::locate(const store::RecordTable& payments) const {
  if (!selected_) return std::nullopt;
  const std::size_t p = selected_->position;
  if (p >= payments.size() || paymentAt(payments, p) != selected_->key) return std::nullopt;
  return p;
}

AddPayment::AddPayment(std::filesystem::path folder)
    : folder_(std::move(folder)), clientCodes_(loadClientCodes(folder_)) {}

dialog::Outcome AddPayment::save(const PaymentBoxes& boxes, store::CalendarDate& lastEntryDate) {
  dialog::Outcome outcome;
  const auto entry = checkPaymentEntry(boxes, clientCodes_, outcome);
  if (!entry) return outcome;
  store::Transaction tx(folder_);
  store::RecordTable payments(store::paymentRecordTable(), tx);
  if (!adjustPaymentsSince(tx, entry->client, rules::storedDecimalValue(entry->amount)))
    return outcome.error(message::kPaymentsTotalTooLarge);
  payments.add(toKey(*entry));
  tx.commit();
  lastEntryDate = boxes.date;
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

ChangePayment::ChangePayment(std::filesystem::path folder)
    : folder_(folder), clientCodes_(loadClientCodes(folder)), selection_(std::move(folder), Wording::Capitals) {}

PaymentBoxes ChangePayment::shownBoxes() const { return shownPaymentBoxes(selection_.selected()->key); }

dialog::Outcome ChangePayment::save(const PaymentBoxes& boxes) {
  dialog::Outcome outcome;
  const auto entry = checkPaymentEntry(boxes, clientCodes_, outcome);
  if (!entry) return outcome;
  if (!selection_.selected()) return outcome.error(message::kPaymentNotSelected);
  store::Transaction tx(folder_);
  store::RecordTable payments(store::paymentRecordTable(), tx);
  const auto position = selection_.locate(payments);
  if (!position) return outcome.error(message::kRecordGone);
  if (!writeChangedPayment(tx, payments, *position, *entry)) return outcome.error(message::kPaymentsTotalTooLarge);
  tx.commit();
  selection_.forget();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

DeletePayment::DeletePayment(std::filesystem::path folder) : selection_(std::move(folder), Wording::MixedCase) {}

PaymentBoxes DeletePayment::shownBoxes() const { return shownPaymentBoxes(selection_.selected()->key); }

dialog::Outcome DeletePayment::remove() {
  dialog::Outcome outcome;
  if (!selection_.selected()) return outcome.information(kDeleteNotDisplayed);
  store::Transaction tx(selection_.folder());
  store::RecordTable payments(store::paymentRecordTable(), tx);
  const auto position = selection_.locate(payments);
  if (!position) return outcome.error(message::kRecordGone);
  const PaymentKey gone = paymentAt(payments, *position);
  if (!adjustPaymentsSince(tx, gone.client, -rules::storedDecimalValue(gone.amount)))
    return outcome.error(message::kPaymentsTotalTooLarge);
  payments.remove(*position);
  tx.commit();
  selection_.forget();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::records
