// Deleting matters, and the record-table rules seen through the matter table: first freed, first
// reused; the free-slot file goes with its last slot; the last matter takes every matter file.
#include "core/matters/delete_matter.h"

#include "core/matters/add_matter.h"
#include "core/matters/display_matter.h"
#include "core/matters/matter_messages.h"
#include "matter_test_support.h"

namespace vrk::matters {
namespace {

class DeleteMatterTest : public MatterFolderTest {
 protected:
  dialog::Outcome remove(const std::string& client, const std::string& number) {
    DeleteMatter logic(folder);
    const auto shown = logic.selection().display(client, number);
    if (!shown.messages.empty()) return shown;
    return logic.remove();
  }
  void add(const std::string& client, const std::string& number) {
    ASSERT_EQ(AddMatter(folder).save(addBoxes(client, number)).closing, dialog::Closing::Ok);
  }
};

}  // namespace

TEST_F(DeleteMatterTest, DisplayRefusalsUseTheDialogsWording) {
  struct Case {
    std::string client, number, capitals, mixed;
  };
  const Case cases[] = {
      {"ACME", "5", message::kNumberNotInUse, message::kDeleteNumberNotInUse},
      {"ACME", "1,0", message::kNumberInvalid, message::kDeleteNumberInvalid},
      {"ACME", "", message::kNumberInvalid, message::kDeleteNumberInvalid},
      {"ACME", "100000", message::kNumberInvalid, message::kDeleteNumberInvalid},
      {"NOPE", "1", message::kClientNotPresent, message::kDeleteClientNotPresent},
      {"NOPE", "x", message::kClientNotPresent, message::kDeleteClientNotPresent},
      {"ZED", "1", message::kNumberNotInUse, message::kDeleteNumberNotInUse},
  };
  for (const auto& c : cases) {
    DisplayMatter display(folder);
    EXPECT_EQ(display.selection().display(c.client, c.number).messages.at(0).text, c.capitals) << c.number;
    EXPECT_FALSE(display.selection().displayed());
    EXPECT_EQ(remove(c.client, c.number).messages.at(0).text, c.mixed) << c.number;
  }
  DisplayMatter display(folder);
  EXPECT_TRUE(display.selection().display("ACME", "12").messages.empty());
  EXPECT_EQ(display.selection().displayed()->key, (MatterKey{"ACME", "012"}));
}

TEST_F(DeleteMatterTest, DeleteBeforeDisplayIsRefused) {
  const auto outcome = DeleteMatter(folder).remove();
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0],
            (dialog::Message{dialog::MessageKind::Information, message::kNotDisplayedForDelete}));
  EXPECT_EQ(matters().size(), 3u);
}

TEST_F(DeleteMatterTest, FreedSlotsAreReusedFirstFreedFirst) {
  const std::string timeRecordsBefore = test::readFile(folder / "TimeRecordMatterNumbersArray.Dat");
  EXPECT_EQ(remove("ACME", "012").closing, dialog::Closing::Ok);  // slot 2
  EXPECT_EQ(remove("ACME", "1").closing, dialog::Closing::Ok);    // slot 1
  EXPECT_EQ(matters(), std::vector<std::string>{"BETA1/3@0"});
  EXPECT_EQ(ints("MatterIndicesNotInUse.Dat"), (std::vector<std::int32_t>{2, 1}));
  EXPECT_EQ(ints("Dimensions.Dat")[3], 1);
  EXPECT_EQ(ints("Dimensions.Dat")[4], 2);
  EXPECT_EQ(test::readFile(folder / "MatterData.Dat").size(), 3 * 228u);
  EXPECT_EQ(test::readFile(folder / "TimeRecordMatterNumbersArray.Dat"), timeRecordsBefore);

  add("ZED", "9");
  EXPECT_EQ(ints("MatterIndicesNotInUse.Dat"), std::vector<std::int32_t>{1});
  add("ACME", "2");  // sorts first: the other entries move up one place
  EXPECT_FALSE(exists("MatterIndicesNotInUse.Dat"));
  EXPECT_EQ(matters(), (std::vector<std::string>{"ACME/2@1", "BETA1/3@0", "ZED/9@2"}));
  EXPECT_EQ(ints("Dimensions.Dat")[4], 0);
  EXPECT_EQ(test::readFile(folder / "MatterData.Dat").size(), 3 * 228u);
}

TEST_F(DeleteMatterTest, TheLastMatterTakesEveryMatterFile) {
  EXPECT_EQ(remove("ACME", "1").closing, dialog::Closing::Ok);
  EXPECT_EQ(remove("BETA1", "3").closing, dialog::Closing::Ok);
  EXPECT_TRUE(exists("MatterIndicesNotInUse.Dat"));
  EXPECT_EQ(remove("ACME", "012").closing, dialog::Closing::Ok);
  for (const char* file : {"MatterClientCodesArray.Dat", "MatterNumbersArray.Dat", "MatterIndicesInUse.Dat",
                           "MatterIndicesNotInUse.Dat", "MatterData.Dat"})
    EXPECT_FALSE(exists(file)) << file;
  EXPECT_EQ(ints("Dimensions.Dat")[3], 0);
  EXPECT_EQ(ints("Dimensions.Dat")[4], 0);
  EXPECT_TRUE(exists("TimeRecordData.Dat"));

  add("BETA1", "4");  // starts afresh at data slot 0
  EXPECT_EQ(matters(), std::vector<std::string>{"BETA1/4@0"});
}

}  // namespace vrk::matters
