#include <gtest/gtest.h>

#include <cstring>

#include "client_fixture.h"
#include "core/store/tables.h"

namespace vrk::clients {
namespace {

using Ints = std::vector<std::int32_t>;
const char* const kClientFiles[] = {"ClientCodes.Dat", "ClientGroups.Dat", "ClientIndicesInUse.Dat",
                                    "ClientIndicesNotInUse.Dat", "ClientData.Dat"};

std::string text(std::size_t width, const std::string& value) {
  std::string field(width + 1, '\0');
  field[0] = static_cast<char>(value.size());
  field.replace(1, value.size(), value);
  return field;
}

}  // namespace

TEST_F(ClientFolderTest, TheFirstClientCreatesTheClientFilesWithTheRecordAtItsOffsets) {
  ClientFields fields = newClient("ACME", "7");
  fields.address = {"Acme Widgets Inc.", std::string(45, 'x'), "", "Springfield", "5", "6", "ignored 7th"};
  fields.category = 3;
  fields.lateCharges = true;
  fields.lastStatement = {2001, 6, 30};
  fields.amounts[kMonthlyRetainer] = "$__,__1,250.50";
  fields.amounts[kPaymentsSinceLastStatement] = "$99,999,999.99";
  ASSERT_EQ(add(fields).closing, dialog::Closing::Ok);

  EXPECT_EQ(file("ClientCodes.Dat"), "ACME\r\n");
  EXPECT_EQ(file("ClientGroups.Dat"), "7\r\n");
  EXPECT_EQ(ints("ClientIndicesInUse.Dat"), Ints{0});
  EXPECT_EQ(ints("Dimensions.Dat"), (Ints{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(exists("ClientIndicesNotInUse.Dat"));

  std::string expected(396, '\0');
  expected[0] = '7';
  const std::string lines[] = {"Acme Widgets Inc.", std::string(40, 'x'), "", "Springfield", "5", "6"};
  for (std::size_t i = 0; i < 6; ++i) expected.replace(1 + 41 * i, 41, text(40, lines[i]));
  expected[248] = 3;
  expected[252] = 1;
  const double date = 37072.0;  // 06/30/2001
  std::memcpy(&expected[256], &date, 8);
  expected.replace(264, 12, text(11, "00001250.50"));
  expected.replace(276, 12, text(11, ""));  // reserved
  for (std::size_t offset = 288; offset < 384; offset += 12)
    expected.replace(offset, 12, text(11, "00000000.00"));
  expected.replace(384, 12, text(11, "99999999.99"));
  EXPECT_EQ(file("ClientData.Dat"), expected);
}

TEST_F(ClientFolderTest, AddReportsTheCodeInUseAloneElseEveryInvalidBox) {
  add("ACME");
  const std::string code = "              INVALID CLIENT CODE\r\nENTER FROM 1 TO 7 LETTERS AND NUMBERS";
  const std::string group = "       INVALID CLIENT GROUP\r\nENTER A LETTER OR A NUMBER";
  struct Case {
    std::string code, group;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"ACME", "", {"THIS CLIENT CODE IS ALREADY IN USE"}},
      {"", "A", {code}},
      {"ABCDEFGH", "A", {code}},
      {"A-1", "A", {code}},
      {"B", "", {group}},
      {"B", "AB", {group}},
      {"B", "a", {group}},
      {"b", "ab", {code, group}},
  };
  const auto before = test::snapshot(dir());
  for (const auto& c : cases) {
    const auto outcome = add(newClient(c.code, c.group));
    std::vector<std::string> texts;
    for (const auto& message : outcome.messages) texts.push_back(message.text);
    EXPECT_EQ(texts, c.messages) << c.code << "/" << c.group;
    EXPECT_EQ(outcome.closing, dialog::Closing::Stay);
  }
  EXPECT_EQ(test::snapshot(dir()), before);
}

TEST_F(ClientFolderTest, DataSlotsAreFreedAndReusedFirstFreedFirst) {
  for (const char* code : {"B", "D", "F", "H"}) add(code);
  add("C");  // between B and D: its slot stands at position 1, the others keep theirs
  EXPECT_EQ(ints("ClientIndicesInUse.Dat"), (Ints{0, 4, 1, 2, 3}));
  add("A");  // sorts first: every entry moves up
  EXPECT_EQ(ints("ClientIndicesInUse.Dat"), (Ints{5, 0, 4, 1, 2, 3}));

  ASSERT_TRUE(remove("C").closed());  // frees 4
  ASSERT_TRUE(remove("F").closed());  // then 2
  EXPECT_EQ(file("ClientCodes.Dat"), "A\r\nB\r\nD\r\nH\r\n");
  EXPECT_EQ(ints("ClientIndicesNotInUse.Dat"), (Ints{4, 2}));
  EXPECT_EQ(ints("Dimensions.Dat")[0], 4);
  EXPECT_EQ(ints("Dimensions.Dat")[1], 2);
  EXPECT_EQ(file("ClientData.Dat").size(), 6u * 396);

  add("E");
  EXPECT_EQ(ints("ClientIndicesNotInUse.Dat"), Ints{2});
  add("G");
  EXPECT_EQ(ints("ClientIndicesInUse.Dat"), (Ints{5, 0, 1, 4, 2, 3}));
  EXPECT_FALSE(exists("ClientIndicesNotInUse.Dat"));
  EXPECT_EQ(ints("Dimensions.Dat")[0], 6);
  EXPECT_EQ(ints("Dimensions.Dat")[1], 0);
  EXPECT_EQ(file("ClientData.Dat").size(), 6u * 396);
}

TEST_F(ClientFolderTest, DeletingTheLastClientRemovesAllFiveFiles) {
  add("A");
  add("B", "B");
  ASSERT_TRUE(remove("A").closed());  // leaves a free-slot file behind
  ASSERT_TRUE(exists("ClientIndicesNotInUse.Dat"));
  ASSERT_TRUE(remove("B").closed());
  for (const char* name : kClientFiles) EXPECT_FALSE(exists(name)) << name;
  EXPECT_EQ(ints("Dimensions.Dat")[0], 0);
  EXPECT_EQ(ints("Dimensions.Dat")[1], 0);

  add("C", "C");  // starts afresh at data slot 0
  EXPECT_EQ(ints("ClientIndicesInUse.Dat"), Ints{0});
  EXPECT_EQ(file("ClientGroups.Dat"), "C\r\n");
  EXPECT_EQ(file("ClientData.Dat").size(), 396u);
}

TEST_F(SampleOfficeTest, DeleteAsksAboutTheMattersAndKeepsBillingRecords) {
  const auto billing = [this] {
    auto files = test::snapshot(dir());
    std::erase_if(files, [](const auto& entry) {
      return !entry.first.starts_with("TimeRecord") && !entry.first.starts_with("CostCredit") &&
             !entry.first.starts_with("Payment");
    });
    return files;
  };
  const auto records = billing();

  const auto no = remove("ACME", false);
  ASSERT_EQ(no.messages.size(), 1u);
  EXPECT_EQ(no.messages[0], (dialog::Message{dialog::MessageKind::Confirmation,
                                             "Delete All Matters For Client ACME?          ", true}));
  EXPECT_EQ(file("ClientCodes.Dat"), "BETA1\r\nZED\r\n");
  EXPECT_EQ(ints("ClientIndicesNotInUse.Dat"), (Ints{3, 2}));
  EXPECT_EQ(ints("Dimensions.Dat")[3], 3);  // the matters stay

  ASSERT_TRUE(remove("BETA1", true).closed());  // its one matter: a run inside the table
  EXPECT_EQ(ints("MatterIndicesInUse.Dat"), (Ints{1, 2}));
  EXPECT_EQ(ints("MatterIndicesNotInUse.Dat"), Ints{0});
  EXPECT_EQ(ints("Dimensions.Dat")[3], 2);
  EXPECT_EQ(ints("Dimensions.Dat")[4], 1);
  EXPECT_EQ(billing(), records);
}

TEST_F(SampleOfficeTest, DeletingTheOnlyClientWithMattersRemovesEveryMatterFile) {
  ASSERT_TRUE(remove("BETA1", true).closed());
  ASSERT_TRUE(remove("ACME", true).closed());  // ACME's run is now the whole table
  for (const char* name : {"MatterClientCodesArray.Dat", "MatterNumbersArray.Dat", "MatterIndicesInUse.Dat",
                           "MatterIndicesNotInUse.Dat", "MatterData.Dat"})
    EXPECT_FALSE(exists(name)) << name;
  EXPECT_EQ(ints("Dimensions.Dat")[3], 0);
  EXPECT_EQ(ints("Dimensions.Dat")[4], 0);
  EXPECT_EQ(file("ClientCodes.Dat"), "ZED\r\n");
}

TEST_F(SampleOfficeTest, DeleteRefusesUntilTheSelectedClientIsDisplayed) {
  const auto before = test::snapshot(dir());
  const dialog::Message notShown{dialog::MessageKind::Information,
                                 "A Client Must Be Displayed\r\n  Before It Can Be Deleted"};
  dialog::FixedPrompter prompter(true);
  DeleteClient logic(dir());
  EXPECT_EQ(logic.remove("ACME", prompter).messages, std::vector{notShown});
  EXPECT_EQ(logic.display("NOPE").messages[0].text,
            "          Invalid Client Code\r\nNo Data Is Present For This Client");
  logic.display("ACME");
  const dialog::Message select{dialog::MessageKind::Information, "Select A Client To Be Deleted"};
  EXPECT_EQ(logic.remove("", prompter).messages, std::vector{select});
  EXPECT_EQ(logic.remove("NOPE", prompter).messages[0].kind, dialog::MessageKind::Error);
  // Another client picked in the box after the Display is not the one the user saw.
  EXPECT_EQ(logic.remove("ZED", prompter).messages, std::vector{notShown});
  EXPECT_EQ(prompter.questionsAsked(), 0);
  EXPECT_EQ(test::snapshot(dir()), before);
}

}  // namespace vrk::clients
