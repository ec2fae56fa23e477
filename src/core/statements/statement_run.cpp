#include "core/statements/statement_run.h"

#include <algorithm>
#include <optional>

#include "core/clients/client_book.h"
#include "core/clients/client_record.h"
#include "core/closing/period_seal.h"
#include "core/interchange/ledes_export.h"
#include "core/rules/input_rules.h"
#include "core/statements/activity_files.h"
#include "core/statements/activity_reports.h"
#include "core/statements/final_archive.h"
#include "core/statements/next_period.h"
#include "core/statements/roll_forward.h"
#include "core/statements/run_records.h"
#include "core/statements/statement_computation.h"
#include "core/statements/statement_layout.h"
#include "core/store/billing_period.h"
#include "core/store/catalogue.h"
#include "core/store/counts.h"
#include "core/store/file_io.h"
#include "core/store/linked_commit.h"
#include "core/store/outside_files.h"
#include "core/store/store_error.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"

namespace vrk::statements {
namespace {

std::vector<std::string> groupList(const store::Transaction& tx) {
  if (!tx.exists(store::files::kClientGroups)) return {};
  return store::parseTextList(tx.read(store::files::kClientGroups));
}

bool contains(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

void report(const RunOptions& options, int value) {
  if (options.progress) options.progress(value);
}

// The next billing period's folder, beside the current one.
std::filesystem::path nextFolderOf(const std::filesystem::path& folder) {
  return folder.parent_path() / store::nextBillingPeriod(folder.filename().string());
}

// The changes of a final run in the next billing period's folder.
class NextPeriod {
 public:
  NextPeriod(const std::filesystem::path& folder, store::Transaction& current, const RunOptions& options)
      : folder_(nextFolderOf(folder)), tx_(folder_) {
    tx_.setFaultHook(options.faultHook);
    earlierInitials_ = attorneyListOfEarlierRun(current);
    prepareNextPeriod(current, tx_);
  }

  // The client's record as it starts the next period, and its matters' new cumulative totals.
  void rollForward(const Statement& statement, std::int32_t clientSlot, const store::CalendarDate& date) {
    const auto client = store::clientTable();
    tx_.writeAt(store::files::kClientData, static_cast<std::uint64_t>(clientSlot) * client.recordSize,
                clients::encodeClientRecord(statements::rollForward(statement.record, statement.amounts, date)));
    const auto matter = store::matterTable();
    for (const auto& update : statement.matterUpdates)
      tx_.writeAt(store::files::kMatterData, static_cast<std::uint64_t>(update.slot) * matter.recordSize,
                  matters::encodeMatterRecord(update.record));
  }

  const std::optional<std::vector<std::string>>& earlierInitials() const { return earlierInitials_; }

  // The transaction, its folder made first when the month's first final run commits: a run that
  // stops before its save leaves no folder behind.
  store::Transaction& transactionInFolder() {
    std::error_code error;
    if (!store::io::createDirectory(folder_, error))
      throw store::StoreError(folder_, "The next billing period's folder cannot be created (" + error.message() + ")");
    return tx_;
  }

 private:
  // The attorney list an earlier final run of the month wrote its activity figures with: it copied
  // the list into the next folder in the same save. Only when it matches the activity file's size.
  std::optional<std::vector<std::string>> attorneyListOfEarlierRun(const store::Transaction& current) const {
    if (!current.exists(store::files::kAttorneyActivityReport) || !tx_.exists(store::files::kAttorneyInitials))
      return std::nullopt;
    auto initials = store::parseTextList(tx_.read(store::files::kAttorneyInitials, 1 << 20));
    constexpr std::uint64_t kCellBytes = 5 * 8;
    if (initials.size() * kCellBytes != current.size(store::files::kAttorneyActivityReport)) return std::nullopt;
    return initials;
  }

  std::filesystem::path folder_;
  store::Transaction tx_;
  std::optional<std::vector<std::string>> earlierInitials_;
};

// One run over the current billing period's tables: the statements of its clients one group at a
// time, their document, and in a final run the changes of both folders.
class Run {
 public:
  Run(const std::filesystem::path& folder, bool final, services::SettingsStore& settings, const RunOptions& options)
      : folder_(folder), final_(final), settings_(settings), options_(options), tx_(folder) {
    tx_.setFaultHook(options.faultHook);
    if (final && !options.ledesFolder.empty()) ledes_.emplace(options.ledesFolder);
  }

  store::Transaction& transaction() { return tx_; }

  // Loads the tables; a final run then prepares the next billing period (a damaged table stops it
  // before the next period's folder is made).
  void open() {
    source_.emplace(tx_);
    clients_.emplace(store::clientTable(), tx_);
    clients_->keepRecordsInMemory();
    if (final_) next_.emplace(folder_, tx_, options_);
  }

  void group(const std::string& group, bool formFeedAfter) {
    GroupActivity activity;
    activity.attorneys.resize(source_->attorneys().initials.size());
    for (std::size_t position = 0; position < clients_->size(); ++position) {
      const auto record = clients::decodeClientRecord(clients_->readRecord(position));
      if (record.group == group) statement(position, record, activity);
      report(options_, static_cast<int>(position) + 1);
    }
    const GroupReportHeading heading{group, folder_.filename().string(), options_.statementDate};
    deliver(groupActivityReports(source_->attorneys().initials, activity, heading, formFeedAfter));
    if (final_) {
      stageActivityFiles(tx_, source_->attorneys().initials, next_->earlierInitials(), activity);
      stageFinishedGroup(tx_, group);
      if (options_.archive) {
        // The group's last page ends the file: no form feed after it, as at the end of a printout.
        if (!archived_.lines.empty()) archived_.lines.back().formFeed = false;
        tx_.writeWhole(archiveName(group), options_.archive(archived_));
      }
      archived_ = {};
    }
  }

  // Both folders' changes as one save, sealed when every group is final; then the LEDES files get
  // their names.
  void commit() {
    if (!final_) return;
    if (everyGroupFinal()) closing::stageSeal(tx_);  // the last change staged: it sees all the others
    store::commitTogether(next_->transactionInFolder(), tx_);
    if (!ledes_) return;
    try {
      ledes_->publish();
    } catch (const store::StoreError& error) {
      result_.outcome.warning(std::string(kLedesFilesNotSaved) + store::errorText(error));
    }
    result_.ledesFiles = ledes_->names();
    result_.ledesFiles.resize(ledes_->published());
  }

  RunResult& result() { return result_; }

  // Hands over the part held back last; nothing follows it, so it ends without a form feed.
  void finish() {
    if (!held_.lines.empty()) held_.lines.back().formFeed = false;
    flush();
  }

 private:
  bool everyGroupFinal() const {
    const auto finished = loadFinishedGroups(tx_);
    const auto groups = groupList(tx_);
    return std::all_of(groups.begin(), groups.end(), [&](const std::string& group) { return contains(finished, group); });
  }

  // The last part is held back until the next one arrives or the run finishes; a final run keeps a
  // copy of its group's parts for the archive.
  void deliver(document::Document part) {
    if (final_ && options_.archive) {
      archived_.lines.insert(archived_.lines.end(), part.lines.begin(), part.lines.end());
      if (part.pointSize) archived_.pointSize = part.pointSize;
    }
    flush();
    held_ = std::move(part);
  }
  void flush() {
    if (held_.lines.empty()) return;
    if (options_.output) {
      options_.output(std::move(held_));
    } else {
      auto& lines = result_.document.lines;
      lines.insert(lines.end(), std::make_move_iterator(held_.lines.begin()), std::make_move_iterator(held_.lines.end()));
    }
    held_ = {};
  }

  void statement(std::size_t position, const clients::ClientRecord& record, GroupActivity& activity) {
    const std::string& client = clients_->texts(0)[position];
    Statement statement = computeStatement(*source_, client, record, final_, activity);
    for (auto& message : statement.messages) result_.outcome.messages.push_back(std::move(message));
    StatementPrinting printing;
    printing.sink = document::SinkKind::Printer;
    printing.date = options_.statementDate;
    printing.formFeedAtEnd = true;  // the group's activity reports follow
    if (final_ && record.category >= kItemized && record.category <= kContingentBilledCosts) {
      printing.invoiceLine = true;
      printing.invoiceNumber = takeInvoiceNumber(settings_);
      if (printing.invoiceNumber) result_.invoiceNumbers.push_back(*printing.invoiceNumber);
    }
    if (ledes_ && printing.invoiceNumber) saveLedes(statement, *printing.invoiceNumber);
    document::Document part;
    layoutStatement(statement, printing, part);
    deliver(std::move(part));
    ++result_.statements;
    if (final_) next_->rollForward(statement, clients_->dataSlotAt(position), options_.statementDate);
  }

  void saveLedes(const Statement& statement, int invoiceNumber) {
    interchange::LedesFile file = interchange::ledesHeader();
    interchange::LedesRequest request;
    request.period = folder_.filename().string();
    request.statementDate = options_.statementDate;
    request.invoiceNumber = std::to_string(invoiceNumber);
    interchange::addLedesInvoices(file, statement, request);
    if (file.items > 0) ledes_->add(interchange::ledesFileName(invoiceNumber, statement.client), file.text);
  }

  std::filesystem::path folder_;
  bool final_;
  services::SettingsStore& settings_;
  const RunOptions& options_;
  store::Transaction tx_;
  std::optional<NextPeriod> next_;
  std::optional<StatementSource> source_;
  std::optional<store::RecordTable> clients_;
  std::optional<store::PendingFiles> ledes_;
  RunResult result_;
  document::Document held_;
  document::Document archived_;  // the current group's printout, for the archive
};

// A final run stops before anything is computed when the next invoice number is not usable; a
// missing settings key only leaves the invoice lines blank.
bool invoiceSettingUsable(const services::SettingsStore& settings, dialog::Outcome& outcome) {
  if (invoiceSettingIsWhole(settings)) return true;
  outcome.error(kInvoiceSettingNotWhole);
  return false;
}

// The checks of a final run before anything is computed: a usable next invoice number and, when
// LEDES files are asked for, their folder.
bool finalRunUsable(const services::SettingsStore& settings, const RunOptions& options, dialog::Outcome& outcome) {
  if (!invoiceSettingUsable(settings, outcome)) return false;
  std::error_code error;
  if (options.ledesFolder.empty() || std::filesystem::is_directory(options.ledesFolder, error)) return true;
  outcome.error(kLedesFolderMissing);
  return false;
}

}  // namespace

RunDialogLists loadRunDialogLists(const std::filesystem::path& folder) {
  store::Transaction tx(folder);
  RunDialogLists lists;
  if (tx.exists(store::files::kClientCodes)) lists.codes = store::parseTextList(tx.read(store::files::kClientCodes));
  lists.groups = groupList(tx);
  lists.clientCount = store::readCounts(tx, store::slot::kClients, 1)[0];
  return lists;
}

RunResult runClientDraft(const std::filesystem::path& folder, const std::string& client, const RunOptions& options) {
  RunResult result;
  if (!rules::isClientCode(client)) {
    result.outcome.error(kRunInvalidClientCode);
    return result;
  }
  store::Transaction tx(folder);
  const store::RecordTable clients(store::clientTable(), tx);
  const auto position = clients::clientPosition(clients, client);
  if (!position) {
    result.outcome.error(kRunNoClientData);
    return result;
  }
  report(options, 1);
  const auto record = clients::decodeClientRecord(clients.readRecord(*position));
  report(options, 2);
  const StatementSource source(tx);
  report(options, 3);
  GroupActivity activity;
  Statement statement = computeStatement(source, client, record, false, activity);
  result.outcome.messages = std::move(statement.messages);
  StatementPrinting printing;
  printing.sink = options.sink;
  printing.date = options.statementDate;
  layoutStatement(statement, printing, result.document);
  result.statements = 1;
  report(options, 4);
  if (options.sink == document::SinkKind::Printer) result.outcome.closing = dialog::Closing::Ok;
  return result;
}

RunResult runGroup(const std::filesystem::path& folder, const std::string& group, bool final,
                   services::SettingsStore& settings, const RunOptions& options) {
  RunResult checks;
  if (!rules::isClientGroup(group)) {
    checks.outcome.error(kRunInvalidGroup);
    return checks;
  }
  {
    const store::Transaction tx(folder);
    if (!contains(groupList(tx), group)) {
      checks.outcome.information(kRunNoClientsInGroup);
      return checks;
    }
    if (final && contains(loadFinishedGroups(tx), group)) {
      checks.outcome.information(kGroupAlreadyFinal);
      checks.outcome.closing = dialog::Closing::Ok;
      return checks;
    }
  }
  if (final && !finalRunUsable(settings, options, checks.outcome)) return checks;

  Run run(folder, final, settings, options);
  run.open();
  run.group(group, false);
  run.finish();
  run.commit();
  run.result().outcome.closing = dialog::Closing::Ok;
  return std::move(run.result());
}

RunResult runAllGroups(const std::filesystem::path& folder, bool final, services::SettingsStore& settings,
                       const RunOptions& options) {
  RunResult checks;
  std::vector<std::string> groups;
  std::vector<std::string> finished;
  {
    const store::Transaction tx(folder);
    groups = groupList(tx);
    if (final) finished = loadFinishedGroups(tx);
  }
  const auto isFinished = [&](const std::string& group) { return final && contains(finished, group); };
  if (final && !groups.empty() && std::all_of(groups.begin(), groups.end(), isFinished)) {
    checks.outcome.information(kAllGroupsAlreadyFinal);
    checks.outcome.closing = dialog::Closing::Ok;
    return checks;
  }
  if (final && !finalRunUsable(settings, options, checks.outcome)) return checks;

  Run run(folder, final, settings, options);
  run.open();
  for (const auto& group : groups) {
    if (isFinished(group)) {
      run.result().outcome.information(std::string(kGroupOfAllAlreadyFinal) + group);
      continue;
    }
    run.group(group, true);
  }
  run.finish();  // nothing follows the last group printed
  run.commit();
  run.result().outcome.closing = dialog::Closing::Ok;
  return std::move(run.result());
}

}  // namespace vrk::statements
