#include "core/matters/add_matter.h"

#include "core/matters/matter_messages.h"
#include "core/store/counts.h"
#include "matter_test_support.h"

namespace vrk::matters {

TEST_F(MatterFolderTest, AddRefusalsReportOnlyTheLastFailureAndWriteNothing) {
  struct Case {
    const char* what;
    std::function<void(MatterBoxes&)> change;
    std::string message;
  };
  const Case cases[] = {
      {"attorney empty", [](MatterBoxes& b) { b.attorney = ""; }, message::kAttorneyEmpty},
      {"attorney unknown", [](MatterBoxes& b) { b.attorney = "ZZ"; }, message::kAttorneyNotPresent},
      {"schedule not a number", [](MatterBoxes& b) { b.feeSchedule = "1a"; },
       message::kFeeScheduleNotANumber},
      {"schedule empty", [](MatterBoxes& b) { b.feeSchedule = ""; }, message::kFeeScheduleNotANumber},
      {"schedule 4 of 3", [](MatterBoxes& b) { b.feeSchedule = "4"; },
       "        INVALID FEE SCHEDULE\r\nENTER A NUMBER FROM 1 TO 3"},
      {"number 0", [](MatterBoxes& b) { b.number = "0"; }, message::kAddNumberInvalid},
      {"number too long", [](MatterBoxes& b) { b.number = "123456"; }, message::kAddNumberInvalid},
      {"number in use", [](MatterBoxes& b) { b.number = "1"; }, message::kNumberInUse},
      {"number in use by value", [](MatterBoxes& b) { b.number = "12"; }, message::kNumberInUse},
      {"client unknown", [](MatterBoxes& b) { b.client = "NOPE"; }, message::kClientNotPresent},
      {"client lower case", [](MatterBoxes& b) { b.client = "acme"; }, message::kClientNotPresent},
      {"client and attorney", [](MatterBoxes& b) { b.client = "NOPE", b.attorney = "ZZ"; },
       message::kClientNotPresent},
      {"number and schedule", [](MatterBoxes& b) { b.number = "x", b.feeSchedule = "9"; },
       message::kAddNumberInvalid},
      {"used number and attorney", [](MatterBoxes& b) { b.number = "1", b.attorney = ""; },
       message::kNumberInUse},
  };
  const auto before = test::snapshot(folder);
  for (const auto& c : cases) {
    MatterBoxes boxes = addBoxes("ACME", "7");
    c.change(boxes);
    const auto outcome = AddMatter(folder).save(boxes);
    ASSERT_EQ(outcome.messages.size(), 1u) << c.what;
    EXPECT_EQ(outcome.messages[0].text, c.message) << c.what;
    EXPECT_EQ(outcome.messages[0].kind, dialog::MessageKind::Error) << c.what;
    EXPECT_FALSE(outcome.closed()) << c.what;
  }
  EXPECT_EQ(test::snapshot(folder), before);
}

TEST_F(MatterFolderTest, OneFeeScheduleAsksForTheNumberOne) {
  store::Transaction tx(folder);
  store::writeCounts(tx, store::slot::kFeeSchedules, {1});
  tx.commit();
  MatterBoxes boxes = addBoxes("ACME", "7");
  boxes.feeSchedule = "2";
  EXPECT_EQ(AddMatter(folder).save(boxes).messages.at(0).text, message::kFeeScheduleOnlyOne);
}

TEST_F(MatterFolderTest, AddInsertsInKeyOrderAndWritesTheRecordAtANewSlot) {
  MatterBoxes boxes = addBoxes("ACME", "7");
  boxes.description = {"Merger", std::string(41, 'd'), "", "fourth", "fifth is dropped"};
  boxes.hours = "__1,20_.5";
  boxes.fees = "$__,__1,250.50";
  const auto outcome = AddMatter(folder).save(boxes);
  EXPECT_EQ(outcome.closing, dialog::Closing::Ok);
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_EQ(matters(), (std::vector<std::string>{"ACME/1@1", "ACME/7@3", "ACME/012@2", "BETA1/3@0"}));
  EXPECT_EQ(ints("Dimensions.Dat")[store::slot::kMatters], 4);
  EXPECT_EQ(ints("Dimensions.Dat")[store::slot::kFreeMatterSlots], 0);

  const std::string record = bytesAt("MatterData.Dat", 3 * 228, 228);
  ASSERT_EQ(test::readFile(folder / "MatterData.Dat").size(), 4 * 228u);
  EXPECT_EQ(record.substr(0, 7), std::string("\x06Merger"));
  EXPECT_EQ(record.substr(41, 41), "\x28" + std::string(40, 'd'));
  EXPECT_EQ(record.substr(123, 7), std::string("\x06"
                                               "fourth"));
  EXPECT_DOUBLE_EQ(store::getDouble(record, 164), 37081.0);  // 07/09/2001
  EXPECT_EQ(record.substr(172, 3), std::string("\x02JD"));
  EXPECT_EQ(store::getInt32(record, 176), 2);
  EXPECT_EQ(record.substr(180, 9), std::string("\x08"
                                               "001200.5"));
  EXPECT_EQ(record.substr(189, 12), std::string("\x0b"
                                                "00001250.50"));
  EXPECT_EQ(record.substr(201, 12), std::string("\x0b"
                                                "00000000.00"));
}

TEST_F(MatterFolderTest, AddKeepsTheNumberAsTypedWithoutCommas) {
  const struct {
    const char* client;
    const char* typed;
    const char* stored;
  } cases[] = {
      {"ACME", "1,234", "1234"}, {"ZED", "1", "1"}, {"ZED", "0000007", "00007"}, {"BETA1", "012", "012"}};
  for (const auto& c : cases) {
    const auto outcome = AddMatter(folder).save(addBoxes(c.client, c.typed));
    EXPECT_EQ(outcome.closing, dialog::Closing::Ok) << c.typed;
    EXPECT_EQ(outcome.writeBack.at(box::kMatterNumberComboBox), c.stored);
  }
  EXPECT_EQ(matters(), (std::vector<std::string>{"ACME/1@1", "ACME/012@2", "ACME/1234@3", "BETA1/3@0",
                                                 "BETA1/012@6", "ZED/1@4", "ZED/00007@5"}));
}

TEST_F(MatterFolderTest, FirstMatterCreatesTheMatterFiles) {
  for (const char* file :
       {"MatterClientCodesArray.Dat", "MatterNumbersArray.Dat", "MatterIndicesInUse.Dat", "MatterData.Dat"})
    std::filesystem::remove(folder / file);
  std::filesystem::remove(folder / "MatterIndicesNotInUse.Dat");
  store::Transaction tx(folder);
  store::writeCounts(tx, store::slot::kMatters, {0, 0});
  tx.commit();

  EXPECT_EQ(AddMatter(folder).save(addBoxes("ZED", "5")).closing, dialog::Closing::Ok);
  EXPECT_EQ(test::readFile(folder / "MatterClientCodesArray.Dat"), std::string("\x03ZED\0\0\0\0", 8));
  EXPECT_EQ(test::readFile(folder / "MatterNumbersArray.Dat"), std::string("\x01"
                                                                           "5\0\0\0\0",
                                                                           6));
  EXPECT_EQ(ints("MatterIndicesInUse.Dat"), std::vector<std::int32_t>{0});
  EXPECT_EQ(test::readFile(folder / "MatterData.Dat").size(), 228u);
  EXPECT_FALSE(exists("MatterIndicesNotInUse.Dat"));
  EXPECT_EQ(ints("Dimensions.Dat")[3], 1);
  EXPECT_EQ(ints("Dimensions.Dat")[4], 0);
}

}  // namespace vrk::matters
