#include "core/shell/guards.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace vrk::shell {
namespace {

class GuardsTest : public ::testing::Test {
 protected:
  std::string dataFilesPath() const { return data.path().string() + "/"; }
  std::filesystem::path period(const std::string& name) {
    const auto folder = data / name;
    std::filesystem::create_directories(folder);
    return folder;
  }
  void write(const std::filesystem::path& folder, const std::string& name, const std::string& text) {
    test::writeFile(folder / name, text);
  }
  // Every file the presence checks look for.
  void allDataFiles(const std::filesystem::path& folder) {
    for (const char* name : {"Dimensions.Dat", "ClientCodes.Dat", "ClientGroups.Dat", "ClientData.Dat",
                             "ClientIndicesInUse.Dat", "AttorneyInitials.Dat", "FeeSchedules.Dat",
                             "MatterClientCodesArray.Dat", "MatterNumbersArray.Dat", "MatterIndicesInUse.Dat",
                             "TimeRecordClientCodesArray.Dat", "TimeRecordMatterNumbersArray.Dat",
                             "TimeRecordIndicesInUse.Dat", "TimeRecordData.Dat", "CostCreditRecordClientCodesArray.Dat",
                             "CostCreditRecordMatterNumbersArray.Dat", "CostCreditRecordIndicesInUse.Dat",
                             "CostCreditRecordData.Dat", "PaymentRecordClientCodesArray.Dat",
                             "PaymentRecordAmountsArray.Dat", "PaymentRecordDatesArray.Dat"})
      if (!std::filesystem::exists(folder / name)) write(folder, name, "A\r\n");
  }
  dialog::Outcome guards(const std::string& name, bool answer = true) {
    dialog::FixedPrompter prompter(answer);
    return runGuards(*findCommand(name), dataFilesPath(), "072001", prompter);
  }

  test::TempFolder data;
};

}  // namespace

TEST_F(GuardsTest, PriorPeriodGuardCountsTheFinishedGroups) {
  struct Case { const char* what; const char* groups; const char* finished; bool passes; };
  const Case cases[] = {
      {"no prior folder", nullptr, nullptr, true},
      {"prior folder without client groups", "", nullptr, true},
      {"groups but no final statements", "A\r\nB\r\n", nullptr, false},
      {"two of three groups finished", "A\r\nB\r\nC\r\n", "A\r\nB\r\n", false},
      {"all groups finished", "A\r\nB\r\n", "B\r\nA\r\n", true},
      {"only the number counts", "A\r\nB\r\n", "A\r\nA\r\n", true},
      {"more finished than groups", "A\r\nB\r\n", "A\r\nB\r\nC\r\n", false},
  };
  for (const auto& c : cases) {
    test::TempFolder fresh;
    const std::string path = fresh.path().string() + "/";
    if (c.groups) {
      std::filesystem::create_directories(fresh / "062001");
      if (*c.groups) test::writeFile(fresh / "062001" / "ClientGroups.Dat", c.groups);
      if (c.finished) test::writeFile(fresh / "062001" / "ClientGroupsWithFinalStatements.Dat", c.finished);
    }
    EXPECT_EQ(priorPeriodGuard(path, "072001").has_value(), !c.passes) << c.what;
  }
  test::TempFolder january;
  std::filesystem::create_directories(january / "122000");
  test::writeFile(january / "122000" / "ClientGroups.Dat", "A\r\n");
  EXPECT_TRUE(priorPeriodGuard(january.path().string() + "/", "012001").has_value());  // across the year
}

TEST_F(GuardsTest, AnUnfinishedPriorPeriodStopsDataChangesButNotDisplaysOrSingleRecordChanges) {
  const auto prior = period("062001");
  write(prior, "ClientGroups.Dat", "A\r\nB\r\nC\r\n");
  write(prior, "ClientGroupsWithFinalStatements.Dat", "A\r\nB\r\n");
  allDataFiles(period("072001"));
  for (const auto& command : commands()) {
    if (command.tab == Tab::Reports && command.guards.front() != Guard::ClientData) continue;  // activity gates
    const auto outcome = guards(commandName(command.label));
    const bool hasPriorGuard = command.guards.front() == Guard::PriorPeriod;
    EXPECT_EQ(outcome.closing, hasPriorGuard ? dialog::Closing::Cancel : dialog::Closing::Ok) << command.label;
    if (hasPriorGuard) {
      ASSERT_EQ(outcome.messages.size(), 1u);
      EXPECT_EQ(outcome.messages[0].kind, dialog::MessageKind::Information);
      EXPECT_EQ(outcome.messages[0].text, kPriorPeriodMessage);
    }
  }
  for (const char* single : {"change-a-time-record", "change-a-cost-credit-record", "change-a-client-payment-record"})
    EXPECT_EQ(guards(single).closing, dialog::Closing::Ok) << single;
}

TEST_F(GuardsTest, DataChecksRunInTheOrderOfTheRow) {
  const auto folder = period("072001");
  auto outcome = guards("add-a-time-record");
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0], (dialog::Message{dialog::MessageKind::Error,
                                                 "THERE ARE NO CLIENT DATA FILES FOR THIS BILLING PERIOD"}));
  for (const char* name :
       {"Dimensions.Dat", "ClientCodes.Dat", "ClientGroups.Dat", "ClientData.Dat", "ClientIndicesInUse.Dat"})
    write(folder, name, "");
  outcome = guards("add-a-time-record");
  EXPECT_EQ(outcome.messages[0].text, "THERE ARE NO FEE SCHEDULE FILES FOR THIS BILLING PERIOD");
  EXPECT_EQ(guards("add-a-new-client").closing, dialog::Closing::Ok);  // no data check at all
}

TEST_F(GuardsTest, AFinishedPeriodAsksBeforeEveryDataChange) {
  const auto folder = period("072001");
  allDataFiles(folder);
  write(folder, "ClientGroups.Dat", "B\r\nA\r\na\r\n");  // a sorted list without duplicates: two groups
  write(folder, "ClientGroupsWithFinalStatements.Dat", "A\r\nB\r\n");
  for (const bool yes : {true, false}) {
    const auto outcome = guards("delete-a-client", yes);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0],
              (dialog::Message{dialog::MessageKind::Warning, kFinalStatementsQuestion, true}));
    EXPECT_EQ(outcome.closing, yes ? dialog::Closing::Ok : dialog::Closing::Cancel);
  }
  EXPECT_TRUE(guards("display-print-client-data", false).messages.empty());  // displays do not ask

  for (const char* unmatched : {"A\r\n", "A\r\nB\r\nC\r\n"}) {
    write(folder, "ClientGroupsWithFinalStatements.Dat", unmatched);  // fewer or more lines than groups
    EXPECT_TRUE(guards("delete-a-client", false).messages.empty()) << unmatched;
  }
}

TEST_F(GuardsTest, ActivityReportsWaitForEveryGroupsFinalStatements) {
  const auto folder = period("072001");
  const std::string billing = "display-print-billing-activity-report-for-this-billing-period";
  const std::string attorney = "display-print-attorney-activity-report-for-this-billing-period";
  EXPECT_EQ(guards(billing).messages.at(0).text, kNoFinalStatementsMessage);
  write(folder, "ClientGroups.Dat", "A\r\nB\r\n");
  write(folder, "ClientGroupsWithFinalStatements.Dat", "A\r\n");
  write(folder, "BillingActivityReport.Dat", "");
  EXPECT_EQ(guards(billing).messages.at(0).text, kNotAllFinalStatementsMessage);
  EXPECT_EQ(guards(attorney).messages.at(0).text, kNoFinalStatementsMessage);  // its own file is missing
  write(folder, "ClientGroupsWithFinalStatements.Dat", "A\r\nB\r\nC\r\n");
  EXPECT_EQ(guards(billing).messages.at(0).text, kNotAllFinalStatementsMessage);
  write(folder, "ClientGroupsWithFinalStatements.Dat", "A\r\nB\r\n");
  EXPECT_EQ(guards(billing).closing, dialog::Closing::Ok);
}

TEST(Commands, ButtonsNamesAndLookup) {
  EXPECT_EQ(commandsOn(Tab::Clients).size(), 10u);
  EXPECT_EQ(commandsOn(Tab::Attorneys).size(), 7u);
  EXPECT_EQ(commandsOn(Tab::Matters).size(), 9u);
  EXPECT_EQ(commandsOn(Tab::BillingRecords).size(), 12u);
  EXPECT_EQ(commandsOn(Tab::MonthlyStatements).size(), 6u);
  EXPECT_EQ(commandsOn(Tab::Reports).size(), 7u);
  EXPECT_EQ(commandName("Add A New Client"), "add-a-new-client");
  EXPECT_EQ(commandName("Change A Cost/Credit Record"), "change-a-cost-credit-record");
  EXPECT_EQ(commandName("Display/Print Billing Activity Report For This Billing Period"),
            "display-print-billing-activity-report-for-this-billing-period");
  for (const auto& command : commands()) EXPECT_EQ(findCommand(commandName(command.label))->label, command.label);
  EXPECT_EQ(findCommand("add-a-new-cat"), nullptr);
}

}  // namespace vrk::shell
