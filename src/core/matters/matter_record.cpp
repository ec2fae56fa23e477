#include "core/matters/matter_record.h"

#include "core/store/binary_codec.h"
#include "core/store/tables.h"

namespace vrk::matters {

std::string encodeMatterRecord(const MatterRecord& record) {
  std::string bytes(store::kMatterRecordSize, '\0');
  for (std::size_t i = 0; i < kDescriptionLines; ++i)
    store::putText(bytes, offset::kDescription + i * (kDescriptionWidth + 1), kDescriptionWidth,
                   record.description[i]);
  store::putDouble(bytes, offset::kDateCreated, record.dateCreated);
  store::putText(bytes, offset::kPrincipalAttorney, kAttorneyWidth, record.principalAttorney);
  store::putInt32(bytes, offset::kFeeSchedule, record.feeSchedule);
  store::putText(bytes, offset::kHoursToDate, kHoursWidth, record.hoursToDate);
  store::putText(bytes, offset::kFeesToDate, kAmountWidth, record.feesToDate);
  store::putText(bytes, offset::kCostsToDate, kAmountWidth, record.costsToDate);
  store::putText(bytes, offset::kCreditsToDate, kAmountWidth, record.creditsToDate);
  return bytes;
}

MatterRecord decodeMatterRecord(std::string_view bytes) {
  MatterRecord record;
  for (std::size_t i = 0; i < kDescriptionLines; ++i)
    record.description[i] =
        store::getText(bytes, offset::kDescription + i * (kDescriptionWidth + 1), kDescriptionWidth);
  record.dateCreated = store::getDouble(bytes, offset::kDateCreated);
  record.principalAttorney = store::getText(bytes, offset::kPrincipalAttorney, kAttorneyWidth);
  record.feeSchedule = store::getInt32(bytes, offset::kFeeSchedule);
  record.hoursToDate = store::getText(bytes, offset::kHoursToDate, kHoursWidth);
  record.feesToDate = store::getText(bytes, offset::kFeesToDate, kAmountWidth);
  record.costsToDate = store::getText(bytes, offset::kCostsToDate, kAmountWidth);
  record.creditsToDate = store::getText(bytes, offset::kCreditsToDate, kAmountWidth);
  return record;
}

}  // namespace vrk::matters
