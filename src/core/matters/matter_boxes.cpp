#include "core/matters/matter_boxes.h"

#include "core/document/money_text.h"
#include "core/document/number_text.h"
#include "core/rules/decimal_value.h"

namespace vrk::matters {

MatterBoxes displayedBoxes(const MatterKey& key, const MatterRecord& record) {
  MatterBoxes boxes;
  boxes.client = key.client;
  boxes.number = key.number;
  boxes.description.assign(record.description.begin(), record.description.end());
  boxes.dateCreated = store::fromStoredDate(record.dateCreated);
  boxes.attorney = record.principalAttorney;
  boxes.feeSchedule = std::to_string(record.feeSchedule);
  boxes.hours = document::groupedHoursText(rules::storedDecimalValue(record.hoursToDate));
  boxes.fees = document::moneyText(rules::storedDecimalValue(record.feesToDate));
  boxes.costs = document::moneyText(rules::storedDecimalValue(record.costsToDate));
  boxes.credits = document::moneyText(rules::storedDecimalValue(record.creditsToDate));
  return boxes;
}

std::array<std::string, kDescriptionLines> descriptionLines(const std::vector<std::string>& lines) {
  std::array<std::string, kDescriptionLines> result;
  for (std::size_t i = 0; i < kDescriptionLines && i < lines.size(); ++i)
    result[i] = lines[i].substr(0, kDescriptionWidth);
  return result;
}

}  // namespace vrk::matters
