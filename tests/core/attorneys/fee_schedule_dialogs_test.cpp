// The add, change and delete fee schedule dialogs, on temporary folders.
#include <gtest/gtest.h>

#include "core/attorneys/add_fee_schedule.h"
#include "core/attorneys/attorney_messages.h"
#include "core/attorneys/change_fee_schedules.h"
#include "core/attorneys/delete_fee_schedule.h"
#include "core/attorneys/register_fixture.h"

namespace vrk::attorneys {
namespace {

using test::storedRate;
using vrk::test::readFile;
using vrk::test::snapshot;
using vrk::test::TempFolder;

std::vector<dialog::Message> error(const std::string& text) { return {{dialog::MessageKind::Error, text}}; }

AttorneyRegister withSchedules(int count) {
  std::vector<std::string> rates;
  for (int k = 1; k <= count; ++k) rates.push_back(std::to_string(k) + "00.00");
  return test::makeRegister({{"AA", rates}, {"BB", rates}, {"CC", rates}}, count);
}

}  // namespace

TEST(AddFeeSchedule, RegisterModeStoresColumnNPlusOne) {
  TempFolder folder;
  test::writeRegister(folder.path(), withSchedules(3));
  AddFeeSchedule add(folder.path());
  ASSERT_EQ(add.mode(), AddScheduleMode::Register);
  EXPECT_EQ(add.grid().cell(0, 4), "Sch. 4");
  EXPECT_EQ(add.grid().cell(0, 5), "");
  EXPECT_EQ(add.grid().cell(2, 4), "$");
  EXPECT_TRUE(add.selectable(1, 4));
  EXPECT_FALSE(add.selectable(1, 3));
  EXPECT_FALSE(add.selectable(0, 4));

  add.setCell(1, 4, "$300");
  add.setCell(3, 4, "");
  add.setCell(2, 3, "999");  // not selectable: ignored
  EXPECT_TRUE(add.save().closed());
  EXPECT_EQ(test::scheduleCount(folder.path()), 4);
  EXPECT_EQ(storedRate(folder.path(), 0, 4), "00300.00");
  EXPECT_EQ(storedRate(folder.path(), 1, 4), "00000.00");
  EXPECT_EQ(storedRate(folder.path(), 2, 4), "00000000");
  EXPECT_EQ(storedRate(folder.path(), 1, 3), "300.00");
}

TEST(AddFeeSchedule, RefusedRateKeepsEarlierCellsRewrittenAndWritesNothing) {
  TempFolder folder;
  test::writeRegister(folder.path(), withSchedules(3));
  const auto before = snapshot(folder.path());
  AddFeeSchedule add(folder.path());
  add.setCell(1, 4, "12.5");
  add.setCell(2, 4, "100000");
  add.setCell(3, 4, "7");
  EXPECT_EQ(add.save().messages, error(kInvalidHourlyRateEntry));
  EXPECT_EQ(add.grid().cell(1, 4), "$12.50");
  EXPECT_EQ(add.grid().cell(3, 4), "7");
  EXPECT_EQ(snapshot(folder.path()), before);

  // Ten schedules fill the grid and the record: an eleventh is refused.
  test::writeRegister(folder.path(), withSchedules(10));
  const auto ten = snapshot(folder.path());
  AddFeeSchedule full(folder.path());
  EXPECT_FALSE(full.selectable(1, 10));
  EXPECT_EQ(full.save().messages, error(kTenFeeSchedulesPresent));
  EXPECT_EQ(snapshot(folder.path()), ten);
}

TEST(AddFeeSchedule, FirstUseModeCreatesTheRegister) {
  TempFolder folder;
  {
    AddFeeSchedule add(folder.path());
    ASSERT_EQ(add.mode(), AddScheduleMode::FirstUse);
    EXPECT_EQ(add.grid().cell(0, 0), "Atty");
    EXPECT_EQ(add.grid().cell(0, 1), "Sch. 1");
    EXPECT_EQ(add.grid().cell(1, 1), "$");
    struct Case {
      std::string initials, rate, message;
    };
    const Case cases[] = {{"J1", "100000", kInvalidAttorneyInitials},
                          {"", "5", kInvalidAttorneyInitials},
                          {"jd", "100000", kInvalidHourlyRateEntry}};
    for (const auto& c : cases) {
      add.setCell(1, 0, c.initials);
      add.setCell(1, 1, c.rate);
      EXPECT_EQ(add.save().messages, error(c.message)) << c.initials << " " << c.rate;
    }
    EXPECT_EQ(add.grid().cell(1, 0), "JD");  // turned to capitals
    EXPECT_TRUE(snapshot(folder.path()).empty());
    add.setCell(1, 1, "$250");
    EXPECT_TRUE(add.save().closed());
  }
  EXPECT_EQ(readFile(folder / "AttorneyInitials.Dat"), "JD\r\n");
  EXPECT_EQ(test::rateFile(folder.path()), test::field("00250.00") + std::string(81, '\0'));
  EXPECT_EQ(readFile(folder / "Dimensions.Dat"), store::encodeInt32s({0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(AddFeeSchedule(folder.path()).mode(), AddScheduleMode::Register);
}

TEST(ChangeFeeSchedules, StoresEveryCellWithoutLeadingZeros) {
  TempFolder folder;
  test::writeRegister(folder.path(), withSchedules(2));
  const auto counts = readFile(folder / "Dimensions.Dat");
  ChangeFeeSchedules change(folder.path());
  EXPECT_EQ(change.grid().cell(0, 10), "Sch. 10");
  EXPECT_TRUE(change.selectable(3, 2));
  EXPECT_FALSE(change.selectable(3, 3));
  EXPECT_FALSE(change.selectable(0, 1));
  change.setCell(1, 1, "$1,250.00");
  change.setCell(2, 2, "");
  change.setCell(3, 1, "100000");  // a rate field holds at most 99999.99
  EXPECT_EQ(change.save().messages, error(kInvalidHourlyRateEntry));
  EXPECT_EQ(storedRate(folder.path(), 0, 1), "100.00");

  change.setCell(3, 1, "99,999.99");
  EXPECT_TRUE(change.save().closed());
  EXPECT_EQ(storedRate(folder.path(), 0, 1), "1250.00");
  EXPECT_EQ(storedRate(folder.path(), 0, 2), "200.00");
  EXPECT_EQ(storedRate(folder.path(), 1, 2), "0");
  EXPECT_EQ(storedRate(folder.path(), 2, 1), "99999.99");
  EXPECT_EQ(readFile(folder / "Dimensions.Dat"), counts);
}

TEST(DeleteFeeSchedule, LaterSchedulesMoveDownOneNumber) {
  TempFolder folder;
  test::writeRegister(folder.path(), withSchedules(4));
  const auto before = snapshot(folder.path());
  const std::string invalid = std::string(kInvalidFeeSchedule) + "4";
  for (const std::string number : {"", "0", "5", "123", "1a", "-1", "00"}) {
    DeleteFeeSchedule remove(folder.path());
    EXPECT_EQ(remove.remove(number).messages, error(invalid)) << number;
  }
  EXPECT_EQ(snapshot(folder.path()), before);

  DeleteFeeSchedule remove(folder.path());
  EXPECT_EQ(remove.choices(), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(remove.numberOfColumn(2), "2");
  EXPECT_EQ(remove.numberOfColumn(5), "");
  EXPECT_EQ(remove.numberOfColumn(0), "");
  EXPECT_TRUE(remove.remove("02").closed());
  EXPECT_EQ(test::scheduleCount(folder.path()), 3);
  for (std::size_t record = 0; record < 3; ++record) {
    EXPECT_EQ(storedRate(folder.path(), record, 1), "100.00");
    EXPECT_EQ(storedRate(folder.path(), record, 2), "300.00");
    EXPECT_EQ(storedRate(folder.path(), record, 3), "400.00");
    EXPECT_EQ(storedRate(folder.path(), record, 4), "400.00");  // kept, no longer read
  }

  test::writeRegister(folder.path(), withSchedules(1));
  EXPECT_EQ(DeleteFeeSchedule(folder.path()).remove("1").messages, error(kDeleteOnlySchedule));
  EXPECT_EQ(test::scheduleCount(folder.path()), 1);
}

}  // namespace vrk::attorneys
