#include "core/matters/change_matter.h"

#include "core/matters/display_matter.h"
#include "core/matters/matter_messages.h"
#include "matter_test_support.h"

namespace vrk::matters {
namespace {

class ChangeMatterTest : public MatterFolderTest {
 protected:
  // Displays the matter and saves the boxes as Display filled them, changed by `change`.
  dialog::Outcome change(const std::string& client, const std::string& number,
                         const std::function<void(MatterBoxes&)>& edit) {
    ChangeMatter logic(folder);
    EXPECT_TRUE(logic.selection().display(client, number).messages.empty());
    MatterBoxes boxes = logic.selection().displayedBoxes();
    edit(boxes);
    return logic.save(boxes);
  }
  MatterRecord record(int slot) const {
    return decodeMatterRecord(bytesAt("MatterData.Dat", slot * 228u, 228));
  }
};

}  // namespace

TEST_F(ChangeMatterTest, RefusalsReportOnlyTheLastFailure) {
  struct Case {
    const char* what;
    std::function<void(MatterBoxes&)> edit;
    std::string message;
  };
  const Case cases[] = {
      {"credits", [](MatterBoxes& b) { b.credits = "1.2.3"; }, message::kCreditsToDate},
      {"costs over", [](MatterBoxes& b) { b.costs = "100,000,000"; }, message::kCostsToDate},
      {"fees", [](MatterBoxes& b) { b.fees = "12a"; }, message::kFeesToDate},
      {"hours over", [](MatterBoxes& b) { b.hours = "1,000,000"; }, message::kHoursToDate},
      {"hours with a dollar", [](MatterBoxes& b) { b.hours = "$5"; }, message::kHoursToDate},
      {"attorney rule", [](MatterBoxes& b) { b.attorney = "J1"; }, message::kAttorneyRule},
      {"attorney unknown", [](MatterBoxes& b) { b.attorney = "ZZ"; }, message::kAttorneyNotPresent},
      {"schedule", [](MatterBoxes& b) { b.feeSchedule = "x"; }, message::kFeeScheduleNotANumber},
      {"schedule range", [](MatterBoxes& b) { b.feeSchedule = "4"; },
       "     INVALID FEE SCHEDULE\r\nENTER A NUMBER FROM 1 TO 3"},
      {"client rule", [](MatterBoxes& b) { b.client = "AC-ME"; }, message::kClientCodeRule},
      {"client unknown", [](MatterBoxes& b) { b.client = "NOPE"; }, message::kClientNotPresent},
      {"number", [](MatterBoxes& b) { b.number = "0"; }, message::kNumberInvalid},
      {"number too long", [](MatterBoxes& b) { b.number = "1000000"; }, message::kNumberInvalid},
      {"number used", [](MatterBoxes& b) { b.number = "12"; }, message::kNumberInUse},
      {"used by the new client", [](MatterBoxes& b) { b.client = "BETA1", b.number = "003"; },
       message::kNumberInUse},
      {"client rule and 90 credits", [](MatterBoxes& b) { b.client = "", b.credits = "x"; },
       message::kClientCodeRule},
      {"hours and number", [](MatterBoxes& b) { b.hours = "x", b.number = "x"; }, message::kNumberInvalid},
  };
  const auto before = test::snapshot(folder);
  for (const auto& c : cases) {
    const auto outcome = change("ACME", "1", c.edit);
    ASSERT_EQ(outcome.messages.size(), 1u) << c.what;
    EXPECT_EQ(outcome.messages[0].text, c.message) << c.what;
    EXPECT_EQ(outcome.messages[0].kind, dialog::MessageKind::Error) << c.what;
  }
  EXPECT_EQ(test::snapshot(folder), before);
}

TEST_F(ChangeMatterTest, WithoutADisplayedMatterSaveIsRefused) {
  ChangeMatter logic(folder);
  MatterBoxes typed = addBoxes("ACME", "1");  // a key typed without Display
  typed.fees = "x";
  const dialog::Message expected{dialog::MessageKind::Information, message::kNotDisplayedForChange};
  EXPECT_EQ(logic.save(typed).messages, std::vector{expected});
  EXPECT_EQ(change("ACME", "1", [](MatterBoxes& b) { b.client = b.number = ""; }).messages,
            std::vector{expected});
}

TEST_F(ChangeMatterTest, SameKeyRewritesTheRecordInPlaceWithReducedTexts) {
  const auto outcome = change("ACME", "012", [](MatterBoxes& b) {
    b.fees = "$1,250.50";
    b.hours = "1,234.5";
    b.costs = "";
    b.credits = "000000001250.50";
    b.description = {"Lease dispute"};
    b.feeSchedule = "3";
  });
  EXPECT_EQ(outcome.closing, dialog::Closing::Ok);
  EXPECT_EQ(outcome.writeBack.at(box::kFeesToDateEditBox), "$1,250.50");
  EXPECT_EQ(outcome.writeBack.at(box::kHoursToDateEditBox), "1,234.5");
  EXPECT_EQ(outcome.writeBack.at(box::kCostsToDateEditBox), "$0.00");
  const MatterRecord changed = record(2);
  EXPECT_EQ(changed.feesToDate, "1250.50");
  EXPECT_EQ(changed.hoursToDate, "1234.5");
  EXPECT_EQ(changed.costsToDate, "0");
  EXPECT_EQ(changed.creditsToDate, "00001250.50");
  EXPECT_EQ(changed.description[1], "");
  EXPECT_EQ(changed.feeSchedule, 3);
  EXPECT_EQ(changed.principalAttorney, "AB");
  EXPECT_DOUBLE_EQ(changed.dateCreated, 36936.0);
  EXPECT_EQ(matters(), (std::vector<std::string>{"ACME/1@1", "ACME/012@2", "BETA1/3@0"}));
}

TEST_F(ChangeMatterTest, NewKeyMovesTheMatterAndCarriesItsBillingRecords) {
  const MatterRecord before = record(1);
  EXPECT_EQ(change("ACME", "1", [](MatterBoxes& b) { b.client = "BETA1"; }).closing, dialog::Closing::Ok);
  EXPECT_EQ(matters(), (std::vector<std::string>{"ACME/012@2", "BETA1/1@1", "BETA1/3@0"}));
  EXPECT_EQ(record(1).description, before.description);
  // The two ACME/1 time records follow in their order; ACME/0 (no such matter) stays.
  EXPECT_EQ(entries(store::timeRecordTable()),
            (std::vector<std::string>{"ACME/0@4", "ACME/012@1", "BETA1/1@0", "BETA1/1@2", "BETA1/3@5"}));
  EXPECT_EQ(entries(store::costCreditRecordTable()),
            (std::vector<std::string>{"BETA1/1@0", "BETA1/1@1", "BETA1/3@2"}));
  EXPECT_EQ(ints("Dimensions.Dat")[5], 5);
}

TEST_F(ChangeMatterTest, NewNumberOfTheSameValueStaysInPlace) {
  const auto timeRecords = test::readFile(folder / "TimeRecordMatterNumbersArray.Dat");
  EXPECT_EQ(change("ACME", "012", [](MatterBoxes& b) { b.number = "12"; }).closing, dialog::Closing::Ok);
  EXPECT_EQ(matters(), (std::vector<std::string>{"ACME/1@1", "ACME/12@2", "BETA1/3@0"}));
  EXPECT_EQ(test::readFile(folder / "TimeRecordMatterNumbersArray.Dat"), timeRecords);

  EXPECT_EQ(change("ACME", "12", [](MatterBoxes& b) { b.number = "0000000"; }).messages.at(0).text,
            message::kNumberInvalid);
  EXPECT_EQ(change("BETA1", "3", [](MatterBoxes& b) { b.client = "ACME", b.number = "0,000,005"; }).closing,
            dialog::Closing::Ok);
  EXPECT_EQ(matters(), (std::vector<std::string>{"ACME/1@1", "ACME/00005@0", "ACME/12@2"}));
  EXPECT_EQ(entries(store::costCreditRecordTable()),
            (std::vector<std::string>{"ACME/1@0", "ACME/1@1", "ACME/00005@2"}));
}

TEST_F(ChangeMatterTest, PrintWithoutDisplayClosesWithoutADocument) {
  const auto result = DisplayMatter(folder).print("072001", {2026, 12, 5});
  EXPECT_EQ(result.outcome.closing, dialog::Closing::Ok);
  EXPECT_FALSE(result.printed);
}

}  // namespace vrk::matters
