// The data files of a billing-period folder and the six data-file presence checks.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vrk::store::files {

inline constexpr const char* kDimensions = "Dimensions.Dat";
inline constexpr const char* kAttorneyInitials = "AttorneyInitials.Dat";
inline constexpr const char* kFeeSchedules = "FeeSchedules.Dat";
inline constexpr const char* kClientCodes = "ClientCodes.Dat";
inline constexpr const char* kClientGroups = "ClientGroups.Dat";
inline constexpr const char* kClientData = "ClientData.Dat";
inline constexpr const char* kClientIndicesInUse = "ClientIndicesInUse.Dat";
inline constexpr const char* kClientIndicesNotInUse = "ClientIndicesNotInUse.Dat";
inline constexpr const char* kMatterClientCodesArray = "MatterClientCodesArray.Dat";
inline constexpr const char* kMatterNumbersArray = "MatterNumbersArray.Dat";
inline constexpr const char* kMatterIndicesInUse = "MatterIndicesInUse.Dat";
inline constexpr const char* kMatterIndicesNotInUse = "MatterIndicesNotInUse.Dat";
inline constexpr const char* kMatterData = "MatterData.Dat";
inline constexpr const char* kTimeRecordClientCodesArray = "TimeRecordClientCodesArray.Dat";
inline constexpr const char* kTimeRecordMatterNumbersArray = "TimeRecordMatterNumbersArray.Dat";
inline constexpr const char* kTimeRecordDatesArray = "TimeRecordDatesArray.Dat";
inline constexpr const char* kTimeRecordIndicesInUse = "TimeRecordIndicesInUse.Dat";
inline constexpr const char* kTimeRecordIndicesNotInUse = "TimeRecordIndicesNotInUse.Dat";
inline constexpr const char* kTimeRecordData = "TimeRecordData.Dat";
inline constexpr const char* kCostCreditRecordClientCodesArray = "CostCreditRecordClientCodesArray.Dat";
inline constexpr const char* kCostCreditRecordMatterNumbersArray = "CostCreditRecordMatterNumbersArray.Dat";
inline constexpr const char* kCostCreditRecordDatesArray = "CostCreditRecordDatesArray.Dat";
inline constexpr const char* kCostCreditRecordIndicesInUse = "CostCreditRecordIndicesInUse.Dat";
inline constexpr const char* kCostCreditRecordIndicesNotInUse = "CostCreditRecordIndicesNotInUse.Dat";
inline constexpr const char* kCostCreditRecordData = "CostCreditRecordData.Dat";
inline constexpr const char* kPaymentRecordClientCodesArray = "PaymentRecordClientCodesArray.Dat";
inline constexpr const char* kPaymentRecordDatesArray = "PaymentRecordDatesArray.Dat";
inline constexpr const char* kPaymentRecordAmountsArray = "PaymentRecordAmountsArray.Dat";
inline constexpr const char* kClientGroupsWithFinalStatements = "ClientGroupsWithFinalStatements.Dat";
inline constexpr const char* kBillingActivityReport = "BillingActivityReport.Dat";
inline constexpr const char* kAttorneyActivityReport = "AttorneyActivityReport.Dat";

}  // namespace vrk::store::files

namespace vrk::store {

enum class PresenceCheck {
  ClientData,
  FeeScheduleData,
  MatterData,
  TimeRecordData,
  CostCreditRecordData,
  PaymentRecordData
};

inline constexpr PresenceCheck kAllPresenceChecks[] = {
    PresenceCheck::ClientData,     PresenceCheck::FeeScheduleData,      PresenceCheck::MatterData,
    PresenceCheck::TimeRecordData, PresenceCheck::CostCreditRecordData, PresenceCheck::PaymentRecordData};

// The files a check requires, in the order they are tested.
const std::vector<std::string>& presenceCheckFiles(PresenceCheck check);
// The error text shown when one of them is missing.
const char* presenceCheckMessage(PresenceCheck check);
// A short name for the check ("client data", "fee schedule data", ...).
const char* presenceCheckName(PresenceCheck check);

// Every file whose entries Dimensions.Dat counts (the attorney register and the record tables,
// free-slot files included). The counts file may be started afresh only while none of them exists.
const std::vector<std::string>& countedFiles();

// The first required file missing from the folder, or nothing when all are present.
std::optional<std::string> firstMissingFile(const std::filesystem::path& folder, PresenceCheck check);

}  // namespace vrk::store
