#include "core/statements/statement_run.h"

#include <gtest/gtest.h>

#include "core/clients/client_record.h"
#include "core/closing/period_seal.h"
#include "core/document/document.h"
#include "core/matters/matter_record.h"
#include "core/statements/final_archive.h"
#include "core/statements/run_records.h"
#include "core/store/catalogue.h"
#include "core/store/counts.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"

namespace vrk::statements {
namespace {

using dialog::Closing;
using dialog::MessageKind;

constexpr store::CalendarDate kStatementDate{2001, 7, 31};

class StatementRunTest : public ::testing::Test {
 protected:
  StatementRunTest() { settings.writeString(services::kNextInvoiceNumber, "1001"); }

  RunOptions options(document::SinkKind sink = document::SinkKind::Printer) const {
    RunOptions o;
    o.statementDate = kStatementDate;
    o.sink = sink;
    return o;
  }
  std::filesystem::path next() const { return folder.parent_path() / "082001"; }

  clients::ClientRecord clientIn(const std::filesystem::path& where, const std::string& code) {
    store::Transaction tx(where);
    const store::RecordTable clients(store::clientTable(), tx);
    return clients::decodeClientRecord(clients.readRecord(*clients.find({code})));
  }

  test::TempFolder temp;
  std::filesystem::path folder = test::copySampleOffice(temp.path());
  services::MemorySettingsStore settings;
};

std::vector<std::string> texts(const dialog::Outcome& outcome) {
  std::vector<std::string> all;
  for (const auto& message : outcome.messages) all.push_back(message.text);
  return all;
}

TEST_F(StatementRunTest, TheChecksOfTheDialogsStopBeforeAnyRun) {
  struct Case {
    const char* name;
    std::function<RunResult()> run;
    MessageKind kind;
    const char* text;
    Closing closing;
  };
  const std::vector<Case> cases = {
      {"bad code", [&] { return runClientDraft(folder, "AC ME", options()); }, MessageKind::Error,
       kRunInvalidClientCode, Closing::Stay},
      {"unknown code", [&] { return runClientDraft(folder, "NOBODY", options()); }, MessageKind::Error,
       kRunNoClientData, Closing::Stay},
      {"bad group", [&] { return runGroup(folder, "AB", false, settings, options()); }, MessageKind::Error,
       kRunInvalidGroup, Closing::Stay},
      {"unknown group", [&] { return runGroup(folder, "Q", true, settings, options()); }, MessageKind::Information,
       kRunNoClientsInGroup, Closing::Stay},
  };
  const auto before = test::snapshot(folder);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResult result = c.run();
    ASSERT_EQ(result.outcome.messages.size(), 1u);
    EXPECT_EQ(result.outcome.messages[0].kind, c.kind);
    EXPECT_EQ(result.outcome.messages[0].text, c.text);
    EXPECT_EQ(result.outcome.closing, c.closing);
    EXPECT_TRUE(result.document.lines.empty());
  }
  EXPECT_EQ(test::snapshot(folder), before);
  EXPECT_FALSE(std::filesystem::exists(next()));
}

TEST_F(StatementRunTest, AnInvoiceSettingThatIsNotAWholeNumberStopsAFinalRunBeforeItStarts) {
  for (const char* text : {"abc", "0", "-5", "2147483647", "12x", ""}) {
    SCOPED_TRACE(text);
    settings.writeString(services::kNextInvoiceNumber, text);
    for (const auto& result : {runGroup(folder, "A", true, settings, options()),
                               runAllGroups(folder, true, settings, options())}) {
      EXPECT_EQ(texts(result.outcome), std::vector<std::string>{kInvoiceSettingNotWhole});
      EXPECT_EQ(result.statements, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(next()));
    EXPECT_EQ(settings.readString(services::kNextInvoiceNumber), text);
  }
  // A draft never looks at it.
  EXPECT_EQ(runGroup(folder, "A", false, settings, options()).statements, 2);
}

TEST_F(StatementRunTest, WithoutTheSettingsKeyFinalStatementsHaveNoInvoiceNumber) {
  services::MemorySettingsStore none;
  const RunResult result = runGroup(folder, "A", true, none, options());
  EXPECT_EQ(result.statements, 2);
  EXPECT_TRUE(result.invoiceNumbers.empty());
  EXPECT_FALSE(none.keyExists());
}

TEST_F(StatementRunTest, TheOneClientDraftShowsOnScreenOrPrintsAndChangesNothing) {
  const auto before = test::snapshot(folder);
  std::vector<int> steps;
  RunOptions screen = options(document::SinkKind::Screen);
  screen.progress = [&](int step) { steps.push_back(step); };
  const RunResult shown = runClientDraft(folder, "ACME", screen);
  EXPECT_EQ(shown.outcome.closing, Closing::Stay);
  EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4}));
  const RunResult printed = runClientDraft(folder, "ACME", options());
  EXPECT_EQ(printed.outcome.closing, Closing::Ok);
  const std::string text = document::toPlainText(printed.document);
  EXPECT_NE(text.find("Acme Widgets Inc."), std::string::npos);
  EXPECT_NE(text.back(), '\f');  // nothing follows a single statement
  EXPECT_EQ(test::snapshot(folder), before);
}

TEST_F(StatementRunTest, AMonthEndRollsEachGroupForwardOnceWithConsecutiveInvoiceNumbers) {
  const auto current = test::snapshot(folder);
  const RunResult draft = runClientDraft(folder, "ACME", options());

  // Group A: ACME (itemized) and BETA1 (summary) each take a number.
  const RunResult a = runGroup(folder, "A", true, settings, options());
  EXPECT_EQ(a.outcome.closing, Closing::Ok);
  EXPECT_EQ(a.invoiceNumbers, (std::vector<int>{1001, 1002}));
  EXPECT_EQ(settings.readString(services::kNextInvoiceNumber), "1003");
  const std::string printed = document::toPlainText(a.document);
  EXPECT_NE(printed.find("Billing Activity Report - Client Group \"A\""), std::string::npos);
  EXPECT_NE(printed.back(), '\f');

  // The next period: counts of the standing tables, no billing records, rolled-forward ACME.
  ASSERT_TRUE(std::filesystem::is_directory(next()));
  {
    store::Transaction tx(next());
    EXPECT_EQ(store::readCounts(tx, 0, 10), (std::vector<std::int32_t>{3, 1, 3, 3, 0, 0, 0, 0, 0, 0}));
  }
  const auto acme = clientIn(next(), "ACME");
  EXPECT_EQ(acme.lastStatementDate, store::toStoredDate(kStatementDate));
  EXPECT_EQ(acme.amounts[clients::kPaymentsSinceLastStatement], "0.00");
  EXPECT_EQ(acme.amounts[clients::kBalanceDue90Days], "0.00");  // old 60 days 400 - payments 500
  EXPECT_EQ(acme.amounts[clients::kBalanceDue30Days], "750.00");  // opening 1250 - payments 500
  const auto old = clientIn(folder, "ACME");
  EXPECT_EQ(acme.address, old.address);
  EXPECT_EQ(acme.amounts[clients::kMonthlyRetainer], old.amounts[clients::kMonthlyRetainer]);

  // The current folder keeps its records; the draft after the run shows the same figures.
  auto after = test::snapshot(folder);
  EXPECT_EQ(after.erase(store::files::kClientGroupsWithFinalStatements), 1u);
  EXPECT_EQ(after.erase(store::files::kAttorneyActivityReport), 1u);
  EXPECT_EQ(after.erase(store::files::kBillingActivityReport), 1u);
  EXPECT_EQ(after, current);
  EXPECT_EQ(document::toPlainText(runClientDraft(folder, "ACME", options()).document), document::toPlainText(draft.document));

  // Group A again: refused, nothing printed or changed.
  const auto once = test::snapshot(next());
  const RunResult again = runGroup(folder, "A", true, settings, options());
  EXPECT_EQ(texts(again.outcome), std::vector<std::string>{kGroupAlreadyFinal});
  EXPECT_EQ(again.outcome.closing, Closing::Ok);
  EXPECT_TRUE(again.document.lines.empty());
  EXPECT_EQ(test::snapshot(next()), once);

  // All groups: A passed over with its message, B's overhead client takes no number.
  const RunResult all = runAllGroups(folder, true, settings, options());
  EXPECT_EQ(texts(all.outcome), std::vector<std::string>{std::string(kGroupOfAllAlreadyFinal) + "A"});
  EXPECT_EQ(all.statements, 1);
  EXPECT_TRUE(all.invoiceNumbers.empty());
  EXPECT_EQ(loadFinishedGroups(store::Transaction(folder)), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(clientIn(next(), "ACME"), acme);  // A's records kept when B's run copied the lists again
  EXPECT_EQ(clientIn(next(), "ZED").lastStatementDate, store::toStoredDate(kStatementDate));

  const RunResult done = runAllGroups(folder, true, settings, options());
  EXPECT_EQ(texts(done.outcome), std::vector<std::string>{kAllGroupsAlreadyFinal});
  EXPECT_EQ(settings.readString(services::kNextInvoiceNumber), "1003");
}

TEST_F(StatementRunTest, DecemberRollsIntoJanuaryOfTheNextYear) {
  const auto december = folder.parent_path() / "122001";
  std::filesystem::rename(folder, december);
  ASSERT_EQ(runAllGroups(december, true, settings, options()).statements, 3);
  EXPECT_TRUE(std::filesystem::exists(folder.parent_path() / "012002" / store::files::kClientData));
}

TEST_F(StatementRunTest, MatterTotalsAccumulateInTheNextPeriodOnly) {
  runGroup(folder, "A", true, settings, options());
  store::Transaction before(folder);
  store::Transaction after(next());
  const store::RecordTable oldMatters(store::matterTable(), before);
  const store::RecordTable newMatters(store::matterTable(), after);
  ASSERT_EQ(oldMatters.size(), newMatters.size());
  int changed = 0;
  for (std::size_t i = 0; i < oldMatters.size(); ++i)
    changed += oldMatters.readRecord(i) != newMatters.readRecord(i) ? 1 : 0;
  EXPECT_GT(changed, 0);
}

// Each final run keeps what it printed of its group in the folder; the run that makes every group
// final seals the period, and the seal holds for the folder it leaves.
TEST_F(StatementRunTest, FinalRunsArchiveWhatTheyPrintAndTheLastOneSealsThePeriod) {
  RunOptions archiving = options();
  archiving.archive = [](const document::Document& printed) { return document::toPlainText(printed); };
  const auto archived = [&](const char* group) { return test::readFile(folder / archiveName(group)); };

  const auto groupA = runGroup(folder, "A", true, settings, archiving);
  EXPECT_EQ(archived("A"), document::toPlainText(groupA.document));
  EXPECT_FALSE(closing::checkSeal(folder).has_value());
  runGroup(folder, "A", false, settings, archiving);  // drafts keep nothing
  const auto groupB = runAllGroups(folder, true, settings, archiving);  // passes over A
  EXPECT_EQ(archived("B"), document::toPlainText(groupB.document));
  EXPECT_EQ(archived("A"), document::toPlainText(groupA.document));
  EXPECT_EQ(archivedGroups(folder), (std::vector<std::string>{"A", "B"}));
  const auto problems = closing::checkSeal(folder);
  ASSERT_TRUE(problems.has_value());
  EXPECT_TRUE(problems->empty());
}

// Every interruption of a final run reopens as the state before the run or after it, in both folders.
TEST_F(StatementRunTest, AFinalRunInterruptedAtAnyWritePointIsAllOrNothingInBothFolders) {
  struct Crash {};
  const test::TempFolder pristine;
  const auto original = test::copySampleOffice(pristine.path());
  const auto fresh = [&](const std::filesystem::path& into) {
    std::filesystem::remove_all(into);
    std::filesystem::copy(original, into);
  };
  const auto state = [&](const std::filesystem::path& f) {
    return std::filesystem::exists(f) ? test::snapshot(f) : test::Snapshot{};
  };

  // The LEDES files of the run are there only when it was saved, never half or under another name.
  const test::TempFolder ledes;
  const auto ledesFiles = [&] { return std::distance(std::filesystem::directory_iterator(ledes.path()), {}); };
  int points = 0;
  RunOptions counting = options();
  counting.faultHook = [&](const std::string&) { ++points; };
  counting.ledesFolder = ledes.path();
  const auto archive = [](const document::Document& printed) { return document::toPlainText(printed); };
  counting.archive = archive;
  const auto saved = runGroup(folder, "A", true, settings, counting);
  const auto afterCurrent = state(folder);
  const auto afterNext = state(next());
  ASSERT_GT(points, 10);
  ASSERT_EQ(saved.ledesFiles.size(), 2U);
  ASSERT_EQ(afterCurrent.count(archiveName("A")), 1U);
  EXPECT_EQ(ledesFiles(), 2);
  std::filesystem::remove_all(ledes.path());
  std::filesystem::create_directory(ledes.path());

  for (int crashAt = 1; crashAt <= points; ++crashAt) {
    SCOPED_TRACE(crashAt);
    fresh(folder);
    std::filesystem::remove_all(next());
    const auto beforeCurrent = state(folder);
    int seen = 0;
    RunOptions crashing = options();
    crashing.faultHook = [&](const std::string&) {
      if (++seen == crashAt) throw Crash{};
    };
    crashing.ledesFolder = ledes.path();
    crashing.archive = archive;
    settings.writeString(services::kNextInvoiceNumber, "1001");  // the archive prints the numbers
    EXPECT_THROW(runGroup(folder, "A", true, settings, crashing), Crash);
    EXPECT_EQ(ledesFiles(), 0);
    // Open the next folder first on odd points, the current one first on even ones.
    if (crashAt % 2) store::Transaction{next()};
    store::Transaction{folder};
    store::Transaction{next()};
    const auto nowCurrent = state(folder);
    const auto nowNext = state(next());
    const bool before = nowCurrent == beforeCurrent && nowNext.empty();
    const bool after = nowCurrent == afterCurrent && nowNext == afterNext;
    EXPECT_TRUE(before || after);
    EXPECT_EQ(nowCurrent.count(archiveName("A")), after ? 1U : 0U);
  }
}

}  // namespace
}  // namespace vrk::statements
