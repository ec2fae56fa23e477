#include "core/matters/add_matter.h"

#include "core/matters/matter_messages.h"
#include "core/matters/matter_number.h"
#include "core/matters/matter_record.h"
#include "core/rules/masked_box.h"
#include "core/store/tables.h"

namespace vrk::matters {
namespace {

constexpr int kAddFeeScheduleBlanks = 8;

}  // namespace

AddMatter::AddMatter(std::filesystem::path folder) : folder_(std::move(folder)) {
  store::Transaction tx(folder_);
  lists_ = loadMatterLists(tx);
}

dialog::Outcome AddMatter::save(const MatterBoxes& boxes) {
  dialog::Outcome outcome;
  const std::string number = cleanMatterNumber(boxes.number);
  outcome.writeBack[box::kMatterNumberComboBox] = number;

  store::Transaction tx(folder_);
  const MatterLists lists = loadMatterLists(tx);
  store::RecordTable matters(store::matterTable(), tx);

  // Each failing test replaces the one before: only the last is reported.
  std::string failure;
  if (boxes.attorney.empty()) {
    failure = message::kAttorneyEmpty;
  } else if (!lists.hasAttorney(boxes.attorney)) {
    failure = message::kAttorneyNotPresent;
  }
  if (auto schedule =
          message::feeScheduleFailure(boxes.feeSchedule, lists.scheduleCount, kAddFeeScheduleBlanks))
    failure = std::move(*schedule);
  if (!isMatterNumber(number)) {
    failure = message::kAddNumberInvalid;
  } else if (findMatter(matters, {boxes.client, number})) {
    failure = message::kNumberInUse;
  }
  if (!lists.hasClient(boxes.client)) failure = message::kClientNotPresent;
  if (!failure.empty()) return outcome.error(failure);

  MatterRecord record;
  record.description = descriptionLines(boxes.description);
  record.dateCreated = store::toStoredDate(boxes.dateCreated);
  record.principalAttorney = boxes.attorney;
  record.feeSchedule = std::stoi(boxes.feeSchedule);
  record.hoursToDate = rules::readHoursBox(boxes.hours);
  record.feesToDate = rules::readAmountBox(boxes.fees);
  record.costsToDate = rules::readAmountBox(boxes.costs);
  record.creditsToDate = rules::readAmountBox(boxes.credits);
  matters.add(matterKey({boxes.client, number}), encodeMatterRecord(record));
  tx.commit();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::matters
