#include "core/records/time_records.h"

#include "core/records/record_messages.h"
#include "records_test_support.h"

namespace vrk::records {
namespace {

using dialog::MessageKind;

class TimeRecordTest : public RecordFolderTest {
 protected:
  static TimeBoxes boxes() {
    return {"ACME", "1", {2001, 7, 12}, "JD", "1.5", "$", {"Research", "second line"}};
  }
  dialog::Outcome add(const TimeBoxes& b) {
    AddTimeRecord logic(folder);
    return logic.save(b, lastEntry);
  }
  // Displays a record, edits the boxes Display filled and saves them.
  dialog::Outcome change(const std::string& client, const std::string& matter, DateChoice date,
                         const std::function<void(TimeBoxes&)>& edit) {
    ChangeTimeRecord logic(folder);
    EXPECT_TRUE(logic.selection().display(client, matter, date).messages.empty());
    TimeBoxes b = logic.shownBoxes();
    edit(b);
    return logic.save(b, lastEntry);
  }
  TimeRecord recordAt(int slot) const {
    return decodeTimeRecord(bytesAt("TimeRecordData.Dat", static_cast<std::size_t>(slot) * 265, 265));
  }
  store::CalendarDate lastEntry{2026, 12, 7};
};

TEST_F(TimeRecordTest, EntryRefusalsNameTheFirstFailureAndWriteNothing) {
  struct Case {
    const char* what;
    std::function<void(TimeBoxes&)> edit;
    const std::string& message;
  };
  const Case cases[] = {
      {"client rule", [](TimeBoxes& b) { b.client = "acme"; }, message::kClientCodeRule},
      {"client unknown", [](TimeBoxes& b) { b.client = "NOPE"; }, message::kClientNotPresent},
      {"matter empty", [](TimeBoxes& b) { b.matter = ""; }, message::kMatterFrom0},
      {"matter with a comma", [](TimeBoxes& b) { b.matter = "1,2"; }, message::kMatterFrom0},
      {"matter not registered", [](TimeBoxes& b) { b.matter = "3"; }, message::kMatterNotInUse},
      {"initials rule", [](TimeBoxes& b) { b.attorney = "J1"; }, message::kAttorneyRule},
      {"initials unknown", [](TimeBoxes& b) { b.attorney = "ZZ"; }, message::kAttorneyNotPresent},
      {"time", [](TimeBoxes& b) { b.time = "1000"; }, message::kTime},
      {"time empty", [](TimeBoxes& b) { b.time = ""; }, message::kTime},
      {"rate", [](TimeBoxes& b) { b.rate = "$100,000"; }, message::kRate},
      {"client before time", [](TimeBoxes& b) { b.client = "", b.time = "x"; }, message::kClientCodeRule},
      {"time before rate", [](TimeBoxes& b) { b.time = "0", b.rate = ","; }, message::kTime},
  };
  const auto before = test::snapshot(folder);
  for (const auto& c : cases) {
    TimeBoxes b = boxes();
    c.edit(b);
    const auto outcome = add(b);
    ASSERT_EQ(outcome.messages.size(), 1u) << c.what;
    EXPECT_EQ(outcome.messages[0].kind, MessageKind::Error) << c.what;
    EXPECT_EQ(outcome.messages[0].text, c.message) << c.what;
    EXPECT_FALSE(outcome.closed()) << c.what;
  }
  EXPECT_EQ(test::snapshot(folder), before);
  EXPECT_EQ(lastEntry, (store::CalendarDate{2026, 12, 7}));

  // The normalised boxes are written back even when another check fails.
  TimeBoxes b = boxes();
  b.client = "NOPE", b.time = "1.25", b.rate = "1250";
  const auto outcome = add(b);
  EXPECT_EQ(outcome.writeBack.at(box::kTime), "1.3");
  EXPECT_EQ(outcome.writeBack.at(box::kBillingRate), "$1,250.00");
}

TEST_F(TimeRecordTest, AddGoesAfterTheSameDayAndTakesTheOldestFreeSlot) {
  TimeBoxes b = boxes();
  b.date = {2001, 7, 3};
  b.rate = "$1,250.00";
  b.description = {std::string(45, 'x'), "", "six"};
  const auto outcome = add(b);
  EXPECT_EQ(outcome.closing, dialog::Closing::Ok);
  EXPECT_EQ(lastEntry, (store::CalendarDate{2001, 7, 3}));
  EXPECT_EQ(entries(RecordKind::Time), (std::vector<std::string>{"ACME/0 07/02@4", "ACME/1 07/03@0", "ACME/1 07/03@2",
                                                                   "ACME/1 07/03@3", "ACME/012 07/10@1", "BETA1/3 07/05@5"}));
  EXPECT_FALSE(exists("TimeRecordIndicesNotInUse.Dat"));  // its last entry was taken
  EXPECT_EQ(ints("Dimensions.Dat")[5], 6);
  EXPECT_EQ(ints("Dimensions.Dat")[6], 0);
  const TimeRecord stored = recordAt(3);
  EXPECT_EQ(stored.initials, "JD");
  EXPECT_EQ(stored.time, "1.5");
  EXPECT_EQ(stored.rate, "1250.00");
  EXPECT_EQ(stored.description[0], std::string(40, 'x'));
  EXPECT_EQ(stored.description[2], "six");
  // The next add goes to a new slot at the end; "$" alone stores no rate; matter 0 needs no matter.
  b = boxes();
  b.client = "ZED", b.matter = "0";
  EXPECT_EQ(add(b).closing, dialog::Closing::Ok);
  EXPECT_EQ(entries(RecordKind::Time).back(), "ZED/0 07/12@6");
  EXPECT_EQ(recordAt(6).rate, "");
}

TEST_F(TimeRecordTest, DisplayFindsTheChosenEntry) {
  struct Case {
    Wording wording;
    const char* client;
    const char* matter;
    DateChoice date;
    std::string result;  // "@slot" or the message
  };
  const auto& texts = kindTexts(RecordKind::Time);
  const Case cases[] = {
      {Wording::Capitals, "ACME", "1", {"07/03/2001", 1}, "@2"},  // the second of two equal entries
      {Wording::Capitals, "ACME", "1", {"07/03/2001", std::nullopt}, "@0"},
      {Wording::Capitals, "ACME", "1", {"", std::nullopt}, "@0"},
      {Wording::Capitals, "ACME", "12", {"07/10/2001", 0}, "@1"},  // matter 012 by value
      {Wording::Capitals, "ACME", "1", {"07/04/2001", std::nullopt}, texts.noneForClientMatter},
      {Wording::Capitals, "acme", "1", {}, message::kClientCodeRule},
      {Wording::Capitals, "ZED", "1", {}, texts.noneForClient},
      {Wording::Capitals, "ACME", "", {}, message::kMatterFrom0},
      {Wording::Capitals, "ACME", "3", {}, texts.noneForClientMatter},
      {Wording::MixedCase, "acme", "1", {}, message::kDeleteClientCodeRule},
      {Wording::MixedCase, "ZED", "1", {}, "No Time Records Have Been Entered For This Client"},
      {Wording::MixedCase, "ACME", "x", {}, message::kDeleteMatterRule},
      {Wording::MixedCase, "ACME", "3", {}, "No Time Records Have Been Entered For This Client/Matter"},
  };
  for (const auto& c : cases) {
    RecordSelection selection(folder, RecordKind::Time, c.wording);
    const auto outcome = selection.display(c.client, c.matter, c.date);
    const std::string got = outcome.messages.empty() ? "@" + std::to_string(selection.selected()->slot)
                                                     : outcome.messages[0].text;
    EXPECT_EQ(got, c.result) << c.client << " " << c.matter << " " << c.date.text;
  }
  RecordSelection selection(folder, RecordKind::Time, Wording::Capitals);
  EXPECT_EQ(selection.clients(), (std::vector<std::string>{"ACME", "BETA1"}));
  EXPECT_EQ(selection.matters("ACME"), (std::vector<std::string>{"0", "1", "012"}));
  EXPECT_EQ(selection.dates("ACME", "1"), (std::vector<std::string>{"07/03/2001", "07/03/2001"}));
}

TEST_F(TimeRecordTest, ChangeWritesInPlaceOrMovesTheRecord) {
  // Only the description (and the matter typed as 12 for 012): the data record alone changes.
  auto before = test::snapshot(folder);
  EXPECT_EQ(change("ACME", "012", {}, [](TimeBoxes& b) { b.description[1] = "more", b.matter = "12"; }).closing,
            dialog::Closing::Ok);
  auto after = test::snapshot(folder);
  EXPECT_NE(after["TimeRecordData.Dat"], before["TimeRecordData.Dat"]);
  after.erase("TimeRecordData.Dat"), before.erase("TimeRecordData.Dat");
  EXPECT_EQ(after, before);
  EXPECT_EQ(recordAt(1).rate, "1250.00");  // "$1,250.00" shown and saved again
  EXPECT_EQ(recordAt(1).time, "1.25");

  // A later day moves the record behind the others of its client and matter up to that day.
  EXPECT_EQ(change("ACME", "1", {"07/03/2001", 0}, [](TimeBoxes& b) { b.date = {2001, 7, 5}; }).closing,
            dialog::Closing::Ok);
  EXPECT_EQ(lastEntry, (store::CalendarDate{2001, 7, 5}));
  // Another client and matter 0; "none" keeps the rate empty, "$" keeps the stored one.
  change("ACME", "012", {}, [](TimeBoxes& b) { b.client = "BETA1", b.matter = "0", b.rate = "$"; });
  change("ACME", "0", {}, [](TimeBoxes& b) { b.rate = "none", b.time = "2"; });
  EXPECT_EQ(entries(RecordKind::Time), (std::vector<std::string>{"ACME/0 07/02@4", "ACME/1 07/03@2", "ACME/1 07/05@0",
                                                                   "BETA1/0 07/10@1", "BETA1/3 07/05@5"}));
  EXPECT_EQ(recordAt(1).rate, "1250.00");
  EXPECT_EQ(recordAt(4).rate, "");
  EXPECT_EQ(recordAt(4).time, "2");

  ChangeTimeRecord logic(folder);
  store::CalendarDate unchanged{2001, 1, 1};
  EXPECT_EQ(logic.save(boxes(), unchanged).messages.at(0).text, message::kRecordNotDisplayed);
}

TEST_F(TimeRecordTest, DeleteFreesTheSlotAndTheLastRecordTakesEveryFile) {
  DeleteTimeRecord nothing(folder);
  const auto refused = nothing.remove();
  EXPECT_EQ(refused.messages.at(0).text, kindTexts(RecordKind::Time).deleteNotDisplayed);
  EXPECT_EQ(refused.messages.at(0).kind, MessageKind::Information);

  for (const char* client : {"ACME", "ACME", "ACME", "ACME", "BETA1"}) {
    DeleteTimeRecord logic(folder);
    const std::string matter = logic.selection().matters(client).front();
    ASSERT_TRUE(logic.selection().display(client, matter, {}).messages.empty());
    EXPECT_EQ(logic.remove().closing, dialog::Closing::Ok);
    if (entries(RecordKind::Time).size() == 3) {
      EXPECT_EQ(ints("TimeRecordIndicesNotInUse.Dat"), (std::vector<int>{3, 4, 0}));
    }
  }
  for (const char* file : {"TimeRecordClientCodesArray.Dat", "TimeRecordMatterNumbersArray.Dat", "TimeRecordDatesArray.Dat",
                           "TimeRecordIndicesInUse.Dat", "TimeRecordIndicesNotInUse.Dat", "TimeRecordData.Dat"})
    EXPECT_FALSE(exists(file)) << file;
  EXPECT_EQ(ints("Dimensions.Dat")[5], 0);
  EXPECT_EQ(ints("Dimensions.Dat")[6], 0);

  // Adding to the empty table starts every file afresh at slot 0.
  EXPECT_EQ(add(boxes()).closing, dialog::Closing::Ok);
  EXPECT_EQ(entries(RecordKind::Time), std::vector<std::string>{"ACME/1 07/12@0"});
  EXPECT_EQ(test::readFile(folder / "TimeRecordData.Dat").size(), 265u);
}

}  // namespace
}  // namespace vrk::records
