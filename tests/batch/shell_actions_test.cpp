#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "core/dialog/outcome.h"
#include "core/shell/guards.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

class BatchTest : public ::testing::Test {
 protected:
  BatchResult batch(std::vector<std::string> args) { return runBatchOn(folder.path(), args, "12/05/2026"); }
  TempFolder folder;
};

}  // namespace

TEST_F(BatchTest, ChangeBillingPeriodPrintsTheMessagesAndTheResultingPeriod) {
  struct Case { std::string month, year, out; };
  const std::string keep = "Billing Period is  12/2026\nOK\n";
  const std::string badMonth = "[error]\nINVALID MONTH ENTRY\n" + keep;
  const std::string badYear = "[error]\nINVALID YEAR ENTRY\n" + keep;
  const Case cases[] = {
      {"7", "2001", "Billing Period is  07/2001\nOK\n"},  {"07", "2001", "Billing Period is  07/2001\nOK\n"},
      {"12", "2001", "Billing Period is  12/2001\nOK\n"}, {"1", "0000", "Billing Period is  01/0000\nOK\n"},
      {"0", "2001", badMonth},   {"13", "2001", badMonth}, {"00", "2001", badMonth}, {"1a", "2001", badMonth},
      {"", "2001", badMonth},    {"123", "2001", badMonth}, {"7", "01", badYear},    {"7", "20011", badYear},
      {"7", "20a1", badYear},    {"13", "20a1", badMonth},
  };
  for (const auto& c : cases) {
    const auto result = batch({"do", "change-billing-period", "month=" + c.month, "year=" + c.year});
    EXPECT_EQ(result.out, c.out) << c.month << "/" << c.year;
    EXPECT_EQ(result.status, 0);  // the dialog always closes with OK
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder / "072001"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "122026"));
}

TEST_F(BatchTest, AFolderThatCannotBeCreatedIsReported) {
  writeFile(folder / "122026", "a file where the folder should be");
  const auto result = batch({"do", "change-billing-period", "month=12", "year=2026"});
  EXPECT_NE(result.out.find("[error]\nTHE FOLDER OF THIS BILLING PERIOD COULD NOT BE CREATED\n"), std::string::npos)
      << result.out;
}

TEST_F(BatchTest, ChecksReportEachPresenceCheckInOrder) {
  copySampleOffice(folder.path());
  std::filesystem::remove(folder / "072001" / "ClientGroups.Dat");
  std::filesystem::remove(folder / "072001" / "PaymentRecordDatesArray.Dat");
  const auto result = batch({"--period", "072001", "print", "checks"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "Data files of billing period 07/2001\n"
            "client data check: THERE ARE NO CLIENT DATA FILES FOR THIS BILLING PERIOD (ClientGroups.Dat is missing)\n"
            "fee schedule data check: passed\n"
            "matter data check: passed\n"
            "time record data check: passed\n"
            "cost/credit record data check: passed\n"
            "payment record data check: THERE ARE NO PAYMENT RECORD DATA FILES FOR THIS BILLING PERIOD "
            "(PaymentRecordDatesArray.Dat is missing)\n");
}

TEST_F(BatchTest, ActionsAndPrintOutsRunTheirCommandsGuardsFirst) {
  copySampleOffice(folder.path());
  const std::string prior = dialog::plainLineBreaks(shell::kPriorPeriodMessage);
  const std::string question = dialog::plainLineBreaks(shell::kFinalStatementsQuestion);
  const auto period = [&](const char* mmyyyy, std::vector<std::string> args) {
    args.insert(args.begin(), {"--period", mmyyyy});
    return batch(args);
  };

  // The prior period has a client group without final statements.
  std::filesystem::create_directory(folder / "062001");
  writeFile(folder / "062001" / "ClientGroups.Dat", "A\r\n");
  auto result = period("072001", {"do", "add-attorney", "initials=QQ", "rate-1=100"});
  EXPECT_EQ(result.out, "[information]\n" + prior + "\nREFUSED\n");
  EXPECT_EQ(result.status, 1);
  std::filesystem::remove_all(folder / "062001");

  // Every group of this period has final statements: the question, and No unless --yes.
  writeFile(folder / "072001" / "ClientGroupsWithFinalStatements.Dat", "A\r\nB\r\n");
  const std::string attorneysBefore = readFile(folder / "072001" / "AttorneyInitials.Dat");
  result = period("072001", {"do", "add-attorney", "initials=QQ", "rate-1=100"});
  EXPECT_EQ(result.out, "[warning]\n" + question + "\nREFUSED\n");
  EXPECT_EQ(readFile(folder / "072001" / "AttorneyInitials.Dat"), attorneysBefore);
  result = period("072001", {"do", "add-attorney", "initials=QQ", "rate-1=100", "--yes"});
  EXPECT_EQ(result.out, "[warning]\n" + question + "\nOK\n");
  EXPECT_NE(readFile(folder / "072001" / "AttorneyInitials.Dat").find("QQ\r\n"), std::string::npos);

  // A period without files: the dialog's data check refuses, for actions and print-outs alike.
  result = period("082001", {"do", "change-matter", "client=A", "matter=1"});
  EXPECT_EQ(result.out, "[error]\nTHERE ARE NO MATTER DATA FILES FOR THIS BILLING PERIOD\nREFUSED\n");
  const std::vector<std::vector<std::string>> prints = {
      {"print", "fee-schedules"}, {"print", "client-data", "client=A"}, {"print", "matter-data", "client=A", "matter=1"}};
  for (const auto& print : prints) {
    result = period("082001", print);
    EXPECT_EQ(result.status, 2) << print[1];
    EXPECT_EQ(result.out, "") << print[1];
  }
}

TEST_F(BatchTest, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"do"},
      {"do", "no-such-action"},
      {"do", "change-billing-period", "colour=red"},
      {"--period", "132001", "print", "checks"},
      {"--today", "2026-12-05", "print", "checks"},
      {"print", "checks", "--data-dir"},
  };
  for (const auto& args : cases) EXPECT_EQ(runBatch(args).status, 2) << (args.empty() ? "" : args[0]);
  EXPECT_EQ(batch({"help"}).status, 0);
}

TEST_F(BatchTest, PrintsADocumentToPdf) {
  copySampleOffice(folder.path());
  const auto pdf = folder / "checks.pdf";
  const auto result = batch({"--period", "072001", "print", "checks", "--out", pdf.string()});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
}

}  // namespace vrk::test
