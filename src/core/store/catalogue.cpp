#include "core/store/catalogue.h"

#include <system_error>

namespace vrk::store {

const std::vector<std::string>& presenceCheckFiles(PresenceCheck check) {
  using namespace files;
  static const std::vector<std::string> client{kDimensions, kClientCodes, kClientGroups, kClientData,
                                               kClientIndicesInUse};
  static const std::vector<std::string> feeSchedule{kDimensions, kAttorneyInitials, kFeeSchedules};
  static const std::vector<std::string> matter{kDimensions, kMatterClientCodesArray, kMatterNumbersArray,
                                               kMatterIndicesInUse};
  static const std::vector<std::string> time{kDimensions, kTimeRecordClientCodesArray,
                                             kTimeRecordMatterNumbersArray, kTimeRecordIndicesInUse,
                                             kTimeRecordData};
  static const std::vector<std::string> costCredit{kDimensions, kCostCreditRecordClientCodesArray,
                                                   kCostCreditRecordMatterNumbersArray,
                                                   kCostCreditRecordIndicesInUse, kCostCreditRecordData};
  static const std::vector<std::string> payment{kDimensions, kPaymentRecordClientCodesArray,
                                                kPaymentRecordAmountsArray, kPaymentRecordDatesArray};
  switch (check) {
    case PresenceCheck::ClientData:
      return client;
    case PresenceCheck::FeeScheduleData:
      return feeSchedule;
    case PresenceCheck::MatterData:
      return matter;
    case PresenceCheck::TimeRecordData:
      return time;
    case PresenceCheck::CostCreditRecordData:
      return costCredit;
    case PresenceCheck::PaymentRecordData:
      return payment;
  }
  return client;
}

const std::vector<std::string>& countedFiles() {
  using namespace files;
  static const std::vector<std::string> all{kAttorneyInitials,
                                            kFeeSchedules,
                                            kClientCodes,
                                            kClientGroups,
                                            kClientData,
                                            kClientIndicesInUse,
                                            kClientIndicesNotInUse,
                                            kMatterClientCodesArray,
                                            kMatterNumbersArray,
                                            kMatterIndicesInUse,
                                            kMatterIndicesNotInUse,
                                            kMatterData,
                                            kTimeRecordClientCodesArray,
                                            kTimeRecordMatterNumbersArray,
                                            kTimeRecordDatesArray,
                                            kTimeRecordIndicesInUse,
                                            kTimeRecordIndicesNotInUse,
                                            kTimeRecordData,
                                            kCostCreditRecordClientCodesArray,
                                            kCostCreditRecordMatterNumbersArray,
                                            kCostCreditRecordDatesArray,
                                            kCostCreditRecordIndicesInUse,
                                            kCostCreditRecordIndicesNotInUse,
                                            kCostCreditRecordData,
                                            kPaymentRecordClientCodesArray,
                                            kPaymentRecordDatesArray,
                                            kPaymentRecordAmountsArray};
  return all;
}

const char* presenceCheckMessage(PresenceCheck check) {
  switch (check) {
    case PresenceCheck::ClientData:
      return "THERE ARE NO CLIENT DATA FILES FOR THIS BILLING PERIOD";
    case PresenceCheck::FeeScheduleData:
      return "THERE ARE NO FEE SCHEDULE FILES FOR THIS BILLING PERIOD";
    case PresenceCheck::MatterData:
      return "THERE ARE NO MATTER DATA FILES FOR THIS BILLING PERIOD";
    case PresenceCheck::TimeRecordData:
      return "THERE ARE NO TIME RECORD DATA FILES FOR THIS BILLING PERIOD";
    case PresenceCheck::CostCreditRecordData:
      return "THERE ARE NO COST/CREDIT RECORD DATA FILES FOR THIS BILLING PERIOD";
    case PresenceCheck::PaymentRecordData:
      return "THERE ARE NO PAYMENT RECORD DATA FILES FOR THIS BILLING PERIOD";
  }
  return "";
}

const char* presenceCheckName(PresenceCheck check) {
  switch (check) {
    case PresenceCheck::ClientData:
      return "client data";
    case PresenceCheck::FeeScheduleData:
      return "fee schedule data";
    case PresenceCheck::MatterData:
      return "matter data";
    case PresenceCheck::TimeRecordData:
      return "time record data";
    case PresenceCheck::CostCreditRecordData:
      return "cost/credit record data";
    case PresenceCheck::PaymentRecordData:
      return "payment record data";
  }
  return "";
}

std::optional<std::string> firstMissingFile(const std::filesystem::path& folder, PresenceCheck check) {
  for (const auto& name : presenceCheckFiles(check)) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(folder / name, ec)) return name;
  }
  return std::nullopt;
}

}  // namespace vrk::store
