#include "core/matters/change_matter.h"

#include "core/document/money_text.h"
#include "core/document/number_text.h"
#include "core/matters/billing_record_carry.h"
#include "core/matters/matter_boxes.h"
#include "core/matters/matter_messages.h"
#include "core/matters/matter_number.h"
#include "core/rules/input_rules.h"
#include "core/store/tables.h"

namespace vrk::matters {
namespace {

constexpr int kChangeFeeScheduleBlanks = 5;

}  // namespace

ChangeMatter::ChangeMatter(std::filesystem::path folder) : selection_(std::move(folder), Wording::Capitals) {}

dialog::Outcome ChangeMatter::save(const MatterBoxes& boxes) {
  dialog::Outcome outcome;
  std::string failure;

  // Hours and amounts, each valid one shown again in its display form.
  MatterRecord record;
  const struct {
    const std::string& typed;
    std::string& stored;
    const char* box;
    const char* message;
  } amounts[] = {{boxes.credits, record.creditsToDate, box::kCreditsToDateEditBox, message::kCreditsToDate},
                 {boxes.costs, record.costsToDate, box::kCostsToDateEditBox, message::kCostsToDate},
                 {boxes.fees, record.feesToDate, box::kFeesToDateEditBox, message::kFeesToDate}};
  for (const auto& amount : amounts) {
    if (const auto cleaned = rules::readChangedNumber(amount.typed, kAmountToDateRule)) {
      amount.stored = cleaned->text;
      outcome.writeBack[amount.box] = document::moneyText(cleaned->value);
    } else {
      failure = amount.message;
    }
  }
  if (const auto hours = rules::readChangedNumber(boxes.hours, kHoursToDateRule)) {
    record.hoursToDate = hours->text;
    outcome.writeBack[box::kHoursToDateEditBox] = document::groupedHoursText(hours->value);
  } else {
    failure = message::kHoursToDate;
  }

  store::Transaction tx(selection_.folder());
  const MatterLists lists = loadMatterLists(tx);
  store::RecordTable matters(store::matterTable(), tx);
  const auto& shown = selection_.displayed();

  if (!rules::isAttorneyInitials(boxes.attorney)) {
    failure = message::kAttorneyRule;
  } else if (!lists.hasAttorney(boxes.attorney)) {
    failure = message::kAttorneyNotPresent;
  }
  if (auto schedule =
          message::feeScheduleFailure(boxes.feeSchedule, lists.scheduleCount, kChangeFeeScheduleBlanks))
    failure = std::move(*schedule);
  if (!rules::isClientCode(boxes.client)) {
    failure = message::kClientCodeRule;
  } else if (shown && boxes.client != shown->key.client && !lists.hasClient(boxes.client)) {
    failure = message::kClientNotPresent;
  }
  const MatterKey newKey{boxes.client, cleanMatterNumber(boxes.number)};
  outcome.writeBack[box::kMatterNumberEditBox] = newKey.number;
  if (!isMatterNumber(newKey.number)) {
    failure = message::kNumberInvalid;
  } else if (shown && newKey != shown->key) {
    // The matter itself does not count: 012 may become 12.
    const auto other = findMatter(matters, newKey);
    if (other && matterKeyAt(matters, *other) != shown->key) failure = message::kNumberInUse;
  }
  if (!shown || (boxes.client.empty() && boxes.number.empty())) {
    outcome.writeBack.clear();
    return outcome.information(message::kNotDisplayedForChange);
  }
  if (!failure.empty()) return outcome.error(failure);

  const auto position = findMatter(matters, shown->key);
  if (!position) return outcome.error(selection_.notInUseMessage());
  record.description = descriptionLines(boxes.description);
  record.dateCreated = store::toStoredDate(boxes.dateCreated);
  record.principalAttorney = boxes.attorney;
  record.feeSchedule = std::stoi(boxes.feeSchedule);
  matters.changeRecord(*position, encodeMatterRecord(record));
  if (newKey != shown->key) {
    const store::Key oldOrder = matterKey(shown->key);
    matters.changeKey(*position, matterKey(newKey));
    if (matters.layout().order(oldOrder, matterKey(newKey)) != 0) carryBillingRecords(tx, shown->key, newKey);
  }
  tx.commit();
  selection_.forget();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::matters
