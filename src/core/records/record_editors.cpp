#include "core/records/record_editors.h"

#include "core/matters/matter_messages.h"
#include "core/matters/matter_number.h"
#include "core/matters/matter_record.h"
#include "core/records/cost_credit_records.h"
#include "core/records/record_messages.h"
#include "core/records/time_records.h"
#include "core/rules/input_rules.h"
#include "core/store/tables.h"

namespace vrk::records {
namespace {

BrowseTexts browseTexts(RecordKind kind) {
  const KindTexts& texts = kindTexts(kind);
  return {texts.noneForClient, texts.endOf, texts.beginningOf};
}

void report(const Progress& progress, int step) {
  if (progress) progress(step);
}

matters::MatterLists loadLists(const std::filesystem::path& folder) {
  store::Transaction tx(folder);
  return matters::loadMatterLists(tx);
}

std::vector<std::string> presentClients(const std::filesystem::path& folder, const store::TableLayout& layout) {
  store::Transaction tx(folder);
  return distinctClients(store::RecordTable(layout, tx));
}

}  // namespace

BillingRecordEditor::BillingRecordEditor(std::filesystem::path folder, RecordKind kind)
    : EditorBase(std::move(folder), browseTexts(kind)), kind_(kind), lists_(loadLists(folder_)) {
  clients_ = presentClients(folder_, tableLayout(kind_));
}

bool BillingRecordEditor::stepTo(Direction direction, const std::string& client, dialog::Outcome& outcome) {
  position_.reset();
  if (!rules::isClientCode(client)) {
    outcome.error(message::kClientCodeRule);
    return false;
  }
  store::Transaction tx(folder_);
  const store::RecordTable table(tableLayout(kind_), tx);
  position_ = browser_.step(direction, client, clientRun(table, client), outcome);
  if (!position_) return false;
  key_ = keyAt(table, *position_);
  record_ = table.readRecord(*position_);
  return true;
}

dialog::Outcome BillingRecordEditor::writeShown(
    dialog::Outcome outcome, const Progress& progress,
    const std::function<std::size_t(store::RecordTable&, std::size_t)>& write) {
  report(progress, 1);
  store::Transaction tx(folder_);
  store::RecordTable table(tableLayout(kind_), tx);
  if (*position_ >= table.size() || keyAt(table, *position_) != key_) return outcome.error(message::kRecordGone);
  const std::size_t now = write(table, *position_);
  report(progress, 2);
  tx.commit();
  browser_.moved(*position_, now);
  position_.reset();
  report(progress, 3);
  return outcome;
}

TimeRecordEditor::TimeRecordEditor(std::filesystem::path folder)
    : BillingRecordEditor(std::move(folder), RecordKind::Time) {}

dialog::Outcome TimeRecordEditor::step(Direction direction, const std::string& client) {
  dialog::Outcome outcome;
  shown_.reset();
  if (stepTo(direction, client, outcome)) shown_ = shownTimeBoxes(key_, decodeTimeRecord(record_));
  return outcome;
}

dialog::Outcome TimeRecordEditor::save(const TimeBoxes& boxes, const Progress& progress) {
  dialog::Outcome outcome;
  if (!position_) return outcome.information(message::kRecordNotDisplayed);
  const auto entry = checkTimeEntry(boxes, lists_, Entry::Change, &key_.client, message::kEditorRate, outcome);
  if (!entry) return outcome;
  const TimeRecord before = decodeTimeRecord(record_);
  outcome = writeShown(std::move(outcome), progress, [&](store::RecordTable& table, std::size_t position) {
    return writeChangedTimeRecord(table, position, *entry, before);
  });
  if (!position_) shown_.reset();
  return outcome;
}

CostCreditRecordEditor::CostCreditRecordEditor(std::filesystem::path folder)
    : BillingRecordEditor(std::move(folder), RecordKind::CostCredit) {}

dialog::Outcome CostCreditRecordEditor::step(Direction direction, const std::string& client) {
  dialog::Outcome outcome;
  shown_.reset();
  if (stepTo(direction, client, outcome)) shown_ = shownCostCreditBoxes(key_, decodeCostCreditRecord(record_));
  return outcome;
}

dialog::Outcome CostCreditRecordEditor::save(const CostCreditBoxes& boxes, const Progress& progress) {
  dialog::Outcome outcome;
  if (!position_) return outcome.information(message::kRecordNotDisplayed);
  const auto entry = checkCostCreditEntry(boxes, lists_, Entry::Change, &key_.client, outcome);
  if (!entry) return outcome;
  outcome = writeShown(std::move(outcome), progress, [&](store::RecordTable& table, std::size_t position) {
    return writeChangedCostCreditRecord(table, position, *entry);
  });
  if (!position_) shown_.reset();
  return outcome;
}

PaymentRecordEditor::PaymentRecordEditor(std::filesystem::path folder)
    : EditorBase(std::move(folder), {"NO PAYMENT RECORDS ARE PRESENT FOR THIS CLIENT", "END OF PAYMENT RECORDS FOR CLIENT",
                                     "BEGINNING OF PAYMENT RECORDS FOR CLIENT"}),
      clientCodes_(loadClientCodes(folder_)) {
  clients_ = presentClients(folder_, store::paymentRecordTable());
}

dialog::Outcome PaymentRecordEditor::step(Direction direction, const std::string& client) {
  dialog::Outcome outcome;
  shown_.reset();
  position_.reset();
  if (!rules::isClientCode(client)) return outcome.error(message::kClientCodeRule);
  store::Transaction tx(folder_);
  const store::RecordTable payments(store::paymentRecordTable(), tx);
  position_ = browser_.step(direction, client, clientRun(payments, client), outcome);
  if (!position_) return outcome;
  key_ = paymentAt(payments, *position_);
  shown_ = shownPaymentBoxes(key_);
  return outcome;
}

dialog::Outcome PaymentRecordEditor::save(const PaymentBoxes& boxes, const Progress& progress) {
  dialog::Outcome outcome;
  if (!position_) return outcome.information(message::kRecordNotDisplayed);
  const auto entry = checkPaymentEntry(boxes, clientCodes_, outcome);
  if (!entry) return outcome;
  report(progress, 1);
  store::Transaction tx(folder_);
  store::RecordTable payments(store::paymentRecordTable(), tx);
  if (*position_ >= payments.size() || paymentAt(payments, *position_) != key_)
    return outcome.error(message::kRecordGone);
  const auto now = writeChangedPayment(tx, payments, *position_, *entry);
  if (!now) return outcome.error(message::kPaymentsTotalTooLarge);
  report(progress, 2);
  tx.commit();
  browser_.moved(*position_, *now);
  shown_.reset();
  position_.reset();
  report(progress, 3);
  return outcome;
}

MatterEditor::MatterEditor(std::filesystem::path folder)
    : EditorBase(std::move(folder),
                 {"NO MATTERS ARE PRESENT FOR THIS CLIENT", "END OF MATTERS FOR CLIENT", "BEGINNING OF MATTERS FOR CLIENT"}),
      change_(folder_) {
  clients_ = change_.selection().lists().clientCodes;
}

dialog::Outcome MatterEditor::step(Direction direction, const std::string& client) {
  dialog::Outcome outcome;
  shown_.reset();
  position_.reset();
  change_.selection().forget();
  if (!change_.selection().lists().hasClient(client)) return outcome.error(matters::message::kClientNotPresent);
  store::Transaction tx(folder_);
  const store::RecordTable table(store::matterTable(), tx);
  position_ = browser_.step(direction, client, clientRun(table, client), outcome);
  if (!position_) return outcome;
  const matters::MatterKey key = matters::matterKeyAt(table, *position_);
  const dialog::Outcome shown = change_.selection().display(key.client, key.number);
  if (!shown.messages.empty()) return shown;
  shown_ = change_.selection().displayedBoxes();
  return outcome;
}

dialog::Outcome MatterEditor::save(const matters::MatterBoxes& boxes, const Progress& progress) {
  dialog::Outcome outcome = change_.save(boxes);
  if (!outcome.closed()) return outcome;
  outcome.closing = dialog::Closing::Stay;  // the editor stays open for the next step
  for (int step = 1; step <= 3; ++step) report(progress, step);
  store::Transaction tx(folder_);
  const store::RecordTable table(store::matterTable(), tx);
  const auto now = matters::findMatter(table, {boxes.client, matters::cleanMatterNumber(boxes.number)});
  if (position_ && now) browser_.moved(*position_, *now);
  shown_.reset();
  position_.reset();
  return outcome;
}

}  // namespace vrk::records
