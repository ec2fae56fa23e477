// Each subsystem's registration of its vrk-batch actions and documents.
#pragma once

namespace vrk::batch {

class Registry;

void registerShellActions(Registry& registry);  // billing period, data-file checks
void registerHelpActions(Registry& registry);   // the help pages
void registerBackupActions(Registry& registry);  // backup and restore of the data directory
void registerAttorneyActions(Registry& registry);  // attorneys and fee schedules
void registerClientActions(Registry& registry);    // clients and client groups
void registerMatterActions(Registry& registry);    // matters
void registerRecordActions(Registry& registry);    // time, cost/credit and payment records
void registerReviewActions(Registry& registry);    // the review-and-change editors
void registerActivityActions(Registry& registry);  // the whole-period activity reports
void registerStatementActions(Registry& registry);  // draft and final statement runs
void registerSampleActions(Registry& registry);     // a generated sample office
void registerMatterListActions(Registry& registry);  // the matter lists and all matter data of a client
void registerAgedAccountsActions(Registry& registry);  // the aged accounts report
void registerMailingLabelActions(Registry& registry);  // the mailing labels
void registerCumulativeActions(Registry& registry);  // the cumulative matter and payments reports

}  // namespace vrk::batch
