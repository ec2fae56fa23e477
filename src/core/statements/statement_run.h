// The statement runs of the Monthly Statements dialogs and of vrk-batch: one client's draft on the
// screen or the printer, one client group or all client groups, as drafts or as final statements.
//
// A run checks its boxes, computes and lays out every statement first and, in a final run, stages
// every change (the next billing period's folder, the current period's finished-groups and activity
// files, the archive of what it prints and, once every group is final, the period's seal) and
// commits them as one save across both folders; only then does the caller print the document.
// Drafts change nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/document/document.h"
#include "core/services/settings_store.h"
#include "core/store/dates.h"
#include "core/store/transaction.h"

namespace vrk::statements {

inline constexpr const char* kRunInvalidClientCode =
    "                   INVALID CLIENT CODE\r\nENTER FROM 1 TO 7 LETTERS AND NUMBERS";
inline constexpr const char* kRunNoClientData = "NO DATA IS PRESENT\r\n    FOR THIS CLIENT";
inline constexpr const char* kRunInvalidGroup = "      Invalid Client Group\r\nEnter A Letter Or A Number";
inline constexpr const char* kRunNoClientsInGroup = "No Clients Are Present\r\n  For This Client Group";
inline constexpr const char* kGroupAlreadyFinal =
    "Final Statements Have Already Been Printed\r\n                   For This Client Group";
inline constexpr const char* kAllGroupsAlreadyFinal =
    "FINAL STATEMENTS HAVE ALREADY BEEN PRINTED\r\n                   FOR ALL CLIENT GROUPS";
inline constexpr const char* kGroupOfAllAlreadyFinal =
    "FINAL STATEMENTS HAVE ALREADY BEEN PRINTED\r\n                       FOR CLIENT GROUP ";
// After a final run's save, when its printing failed or was cancelled.
inline constexpr const char* kFinalStatementsNotPrinted =
    "THE FINAL STATEMENTS WERE SAVED BUT NOT PRINTED\r\nPRINT THEM AGAIN AS DRAFTS OF THIS BILLING PERIOD";
inline constexpr const char* kInvoiceSettingNotWhole = "THE NEXT INVOICE NUMBER SETTING IS NOT A WHOLE NUMBER";
inline constexpr const char* kLedesFolderMissing = "THE FOLDER FOR THE LEDES FILES CANNOT BE FOUND";
// After a final run's save, when its LEDES files could not all be given their names; the file
// error follows.
inline constexpr const char* kLedesFilesNotSaved = "THE FINAL STATEMENTS WERE SAVED BUT NOT ALL THEIR LEDES FILES\r\n";

// What the run dialogs open with: the client code list, the client group list and the number of
// clients (the progress bar's range).
struct RunDialogLists {
  std::vector<std::string> codes;
  std::vector<std::string> groups;
  int clientCount = 0;
};
RunDialogLists loadRunDialogLists(const std::filesystem::path& folder);

struct RunOptions {
  store::CalendarDate statementDate;
  document::SinkKind sink = document::SinkKind::Printer;  // the screen only for one client's draft
  std::function<void(int)> progress;                      // the progress bar's value
  store::Transaction::FaultHook faultHook;                // tests: set on both folders' transactions
  // When set, each finished part of the document (a statement, a group's activity reports) goes
  // here in order instead of into RunResult::document, so a long run never holds it whole. The
  // parts of a final run arrive before its save: hold them back until the run has returned.
  std::function<void(document::Document&&)> output;
  // A final run: the folder that also gets a LEDES file of each statement with an invoice number
  // and billed items, named by interchange::ledesFileName(). The files are written before the
  // save and named once it stands, so they exist only when the run was saved. Empty: none.
  std::filesystem::path ledesFolder;
  // A final run: renders what it prints of one client group (its statements and activity reports)
  // as the PDF file kept in the folder under archiveName(group) (final_archive.h), saved with the
  // run. Empty: no archive (a build without a PDF writer).
  std::function<std::string(const document::Document&)> archive;
};

struct RunResult {
  dialog::Outcome outcome;      // the checks' and the statements' messages, in order; the closing
  document::Document document;  // what to show or print (empty when nothing ran)
  int statements = 0;           // statements in the document
  std::vector<int> invoiceNumbers;  // handed out, in printing order
  std::vector<std::string> ledesFiles;  // the names of the LEDES files saved, in printing order
};

// One client's draft (Display: the screen, the dialog stays open; Print: the printer, it closes).
RunResult runClientDraft(const std::filesystem::path& folder, const std::string& client, const RunOptions& options);

// One client group. A final run refuses a group whose final statements were printed, then prepares
// the next billing period, rolls each member forward and adds the group to the finished groups.
// Either way a final group dialog closes.
RunResult runGroup(const std::filesystem::path& folder, const std::string& group, bool final,
                   services::SettingsStore& settings, const RunOptions& options);

// Every client group in client group list order; a final run passes over the groups already
// finalized, each with its message.
RunResult runAllGroups(const std::filesystem::path& folder, bool final, services::SettingsStore& settings,
                       const RunOptions& options);

}  // namespace vrk::statements
