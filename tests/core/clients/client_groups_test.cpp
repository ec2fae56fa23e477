#include <gtest/gtest.h>

#include "client_fixture.h"
#include "core/clients/client_printouts.h"
#include "core/clients/delete_client_group.h"
#include "core/clients/display_client_codes.h"

namespace vrk::clients {
namespace {

dialog::Outcome deleteGroup(const std::filesystem::path& dir, const std::string& group,
                            dialog::Prompter& prompter) {
  DeleteClientGroup logic(dir);
  logic.display(group);
  return logic.remove(prompter);
}

}  // namespace

TEST_F(ClientFolderTest, AGroupListsItsCodesInListOrderAndPrintsSixALine) {
  for (int i = 0; i < 30; ++i) add("C" + std::to_string(100 + i), i % 4 == 3 ? "B" : "A");
  DisplayClientCodes logic(dir(), "072001");
  EXPECT_EQ(logic.lists().gridRows(), 4);
  EXPECT_EQ(logic.lists().groups, (std::vector<std::string>{"A", "B"}));
  logic.display("A");
  ASSERT_EQ(logic.listing()->codes.size(), 23u);
  EXPECT_EQ(logic.listing()->codes[2], "C102");
  EXPECT_EQ(logic.listing()->codes[3], "C104");

  const auto printed = logic.print("B", {2026, 12, 5});  // the group displayed is printed
  EXPECT_TRUE(printed.outcome.closed());
  const auto& lines = printed.document->lines;
  EXPECT_EQ(lines[7].text(), std::string(24, ' ') + "CLIENT CODES IN CLIENT GROUP A");
  EXPECT_EQ(lines[12].text(), "      Date Of This Report:  12/5/2026");
  ASSERT_EQ(lines.size(), 19u);  // 15 lines of heading, then 6, 6, 6 and 5 codes
  EXPECT_EQ(lines[15].text(), "          C100      C101      C102      C104      C105      C106");
  EXPECT_EQ(lines[18].text(), "          C124      C125      C126      C128      C129");
}

TEST_F(SampleOfficeTest, DeletingAGroupDeletesEachClientAndItsEntry) {
  dialog::FixedPrompter yes(true);
  const auto outcome = deleteGroup(dir(), "A", yes);
  ASSERT_TRUE(outcome.closed());
  ASSERT_EQ(outcome.messages.size(), 2u);
  EXPECT_EQ(outcome.messages[1].text, "Delete All Matters For Client BETA1?          ");
  EXPECT_EQ(file("ClientCodes.Dat"), "ZED\r\n");
  EXPECT_EQ(file("ClientGroups.Dat"), "B\r\n");
  EXPECT_FALSE(exists("MatterData.Dat"));

  dialog::FixedPrompter no(false);
  ASSERT_TRUE(deleteGroup(dir(), "B", no).closed());  // its clients are the period's last ones
  for (const char* name : {"ClientCodes.Dat", "ClientGroups.Dat", "ClientIndicesInUse.Dat",
                           "ClientIndicesNotInUse.Dat", "ClientData.Dat"})
    EXPECT_FALSE(exists(name)) << name;
  EXPECT_EQ(ints("Dimensions.Dat")[0], 0);
}

TEST_F(SampleOfficeTest, AnswerNoKeepsTheMattersOfTheGroupsClients) {
  dialog::FixedPrompter no(false);
  ASSERT_TRUE(deleteGroup(dir(), "A", no).closed());
  EXPECT_EQ(no.questionsAsked(), 2);
  EXPECT_EQ(ints("Dimensions.Dat")[3], 3);
  EXPECT_EQ(file("ClientCodes.Dat"), "ZED\r\n");
}

TEST_F(SampleOfficeTest, AGroupWithoutClientsLosesOnlyItsEntry) {
  test::writeFile(dir() / "ClientGroups.Dat", "A\r\nB\r\nC\r\n");
  dialog::FixedPrompter yes(true);
  ASSERT_TRUE(deleteGroup(dir(), "C", yes).closed());
  EXPECT_EQ(yes.questionsAsked(), 0);
  EXPECT_EQ(file("ClientGroups.Dat"), "A\r\nB\r\n");
  EXPECT_EQ(file("ClientCodes.Dat"), "ACME\r\nBETA1\r\nZED\r\n");
}

TEST_F(SampleOfficeTest, TheOnlyListedGroupNeverTakesOtherGroupsClientsAlong) {
  test::writeFile(dir() / "ClientGroups.Dat", "B\r\n");  // group A given through an older change
  dialog::FixedPrompter no(false);
  ASSERT_TRUE(deleteGroup(dir(), "B", no).closed());
  EXPECT_EQ(file("ClientCodes.Dat"), "ACME\r\nBETA1\r\n");
  EXPECT_EQ(file("ClientGroups.Dat"), "");
}

TEST_F(SampleOfficeTest, DeleteIsRefusedBeforeADisplayAndForAGroupNotInTheList) {
  const auto before = test::snapshot(dir());
  dialog::FixedPrompter yes(true);
  DeleteClientGroup logic(dir());
  EXPECT_EQ(
      logic.remove(yes).messages,
      std::vector<dialog::Message>({{dialog::MessageKind::Information,
                                     "A Client Group Must Be Displayed\r\n  Before It Can Be Deleted"}}));
  EXPECT_EQ(deleteGroup(dir(), "a", yes).messages,
            std::vector<dialog::Message>(
                {{dialog::MessageKind::Error, "No Clients Are Present\r\n  For This Client Group"}}));
  EXPECT_EQ(yes.questionsAsked(), 0);
  EXPECT_EQ(test::snapshot(dir()), before);
}

}  // namespace vrk::clients
