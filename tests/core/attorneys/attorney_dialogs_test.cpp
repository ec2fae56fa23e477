// The add, change and delete attorney dialogs and the billing rate dialog, on temporary folders.
#include <gtest/gtest.h>

#include "core/attorneys/add_attorney.h"
#include "core/attorneys/attorney_billing_rate.h"
#include "core/attorneys/attorney_messages.h"
#include "core/attorneys/change_attorney.h"
#include "core/attorneys/delete_attorney.h"
#include "core/attorneys/register_fixture.h"

namespace vrk::attorneys {
namespace {

using dialog::MessageKind;
using test::field;
using vrk::test::readFile;
using vrk::test::snapshot;
using vrk::test::TempFolder;

std::vector<dialog::Message> errors(std::vector<std::string> texts) {
  std::vector<dialog::Message> messages;
  for (auto& text : texts) messages.push_back({MessageKind::Error, std::move(text)});
  return messages;
}

AddAttorneyInput input(std::string initials, std::vector<std::string> boxes = {}) {
  AddAttorneyInput in{std::move(initials), {}};
  for (std::size_t k = 0; k < boxes.size(); ++k) in.rateBoxes[k] = boxes[k];
  return in;
}

// AA, BB, CC under three schedules.
AttorneyRegister threeAttorneys() {
  return test::makeRegister({{"AA", {"00100.00", "00110.00", "00120.00"}},
                             {"BB", {"00200.00", "00210.00", "00220.00"}},
                             {"CC", {"00300.00", "00310.00", "00320.00"}}},
                            3);
}

}  // namespace

TEST(AddAttorney, FirstAttorneyCreatesTheThreeFiles) {
  TempFolder folder;
  AddAttorney add(folder.path());
  EXPECT_EQ(add.scheduleCount(), 0);
  EXPECT_EQ(add.grid().rows.size(), 2u);  // headings and the preview row
  EXPECT_EQ(add.grid().cell(0, 1), "Sch. 1");
  EXPECT_EQ(add.grid().cell(0, 2), "");
  EXPECT_EQ(add.rateLabel(), "Enter Hourly Rate For Fee Schedule # 1");
  EXPECT_TRUE(add.rateBoxEnabled(1));
  EXPECT_FALSE(add.rateBoxEnabled(2));

  // Rate box 2 is ignored for the first attorney; box 1 untouched stores a rate of zero.
  const auto outcome = add.save(input("JD", {"$__,___.__", "$00,300.00"}));
  EXPECT_EQ(outcome.closing, dialog::Closing::Ok);
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_EQ(readFile(folder / "AttorneyInitials.Dat"), "JD\r\n");
  EXPECT_EQ(test::rateFile(folder.path()), field("00000.00") + std::string(81, '\0'));
  EXPECT_EQ(readFile(folder / "Dimensions.Dat"), store::encodeInt32s({0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(AddAttorney, InsertsAtTheSortedPlaceAndKeepsOtherSlotsOfTheCounts) {
  TempFolder folder;
  vrk::test::writeFile(folder / "Dimensions.Dat", store::encodeInt32s({4, 1, 0, 7, 0, 0, 0, 0, 0, 0, 9}));
  test::writeRegister(folder.path(), test::makeRegister({{"AA", {"1", "2"}}, {"BB", {"3", "4"}}}, 2));
  AddAttorney add(folder.path());
  EXPECT_EQ(add.rateLabel(), "Enter Hourly Rates For Schedules 1 - 2");
  EXPECT_EQ(add.grid().cell(0, 10), "Sch. 10");
  EXPECT_EQ(add.grid().cell(2, 2), "$4.00");
  EXPECT_EQ(add.previewRow(), 3);
  EXPECT_TRUE(add.rateBoxEnabled(2));
  EXPECT_FALSE(add.rateBoxEnabled(3));

  EXPECT_EQ(add.typeInitials("ab"), "ab");
  EXPECT_EQ(add.typeRate(2, "$_1,234.5_"), "$1,234.50");
  EXPECT_EQ(add.leaveInitials("abc"), "ABC");
  EXPECT_EQ(add.grid().cell(3, 0), "ABC");

  EXPECT_TRUE(add.save(input("ABC", {"$00,250.00", "$_1,234.5_", "$00,999.00"})).closed());
  EXPECT_EQ(readFile(folder / "AttorneyInitials.Dat"), "AA\r\nABC\r\nBB\r\n");
  const std::string rest(72, '\0');
  EXPECT_EQ(test::rateFile(folder.path()), field("1") + field("2") + rest + field("00250.00") +
                                               field("01234.50") + rest + field("3") + field("4") + rest);
  EXPECT_EQ(readFile(folder / "Dimensions.Dat"), store::encodeInt32s({4, 1, 2, 7, 0, 0, 0, 0, 0, 0, 9}));
}

TEST(AddAttorney, RateLabelAndRateBoxesFollowTheScheduleCount) {
  const std::pair<int, std::string> cases[] = {
      {1, "Enter Hourly Rate For Fee Schedule # 1"},
      {2, "Enter Hourly Rates For Schedules 1 - 2"},
      {10, "Enter Hourly Rates For Schedules 1 - 10"},
  };
  for (const auto& [schedules, label] : cases) {
    TempFolder folder;
    test::writeRegister(folder.path(), test::makeRegister({{"AA", {"1"}}}, schedules));
    AddAttorney add(folder.path());
    EXPECT_EQ(add.rateLabel(), label);
    EXPECT_TRUE(add.rateBoxEnabled(schedules)) << schedules;
    EXPECT_FALSE(add.rateBoxEnabled(schedules + 1)) << schedules;
  }
}

TEST(AddAttorney, RefusalsShowTheirMessagesAndWriteNothing) {
  TempFolder folder;
  test::writeRegister(folder.path(), threeAttorneys());
  const auto before = snapshot(folder.path());
  struct Case {
    std::string initials;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"", {kInvalidAttorneyInitials}},
      {"ABCD", {kInvalidAttorneyInitials}},
      {"A1", {kInvalidAttorneyInitials}},
      {"BB", {kDuplicateAttorneyInitials}},
      {"bb", {kInvalidAttorneyInitials, kDuplicateAttorneyInitials}},
  };
  for (const auto& c : cases) {
    AddAttorney add(folder.path());
    const auto outcome = add.save(input(c.initials));
    EXPECT_EQ(outcome.messages, errors(c.messages)) << c.initials;
    EXPECT_FALSE(outcome.closed());
  }
  EXPECT_EQ(snapshot(folder.path()), before);
}

TEST(ChangeAttorney, RenamedAttorneyMovesWithItsRates) {
  TempFolder folder;
  test::writeRegister(folder.path(), threeAttorneys());
  ChangeAttorney change(folder.path());
  EXPECT_EQ(initialsOfRow(change.grid(), 1), "AA");
  EXPECT_EQ(initialsOfRow(change.grid(), 0), std::nullopt);  // the heading row leaves the box alone
  EXPECT_TRUE(change.save("AA", "ZZ").closed());
  EXPECT_EQ(readFile(folder / "AttorneyInitials.Dat"), "BB\r\nCC\r\nZZ\r\n");
  EXPECT_EQ(test::storedRate(folder.path(), 0, 1), "00200.00");
  EXPECT_EQ(test::storedRate(folder.path(), 1, 3), "00320.00");
  EXPECT_EQ(test::storedRate(folder.path(), 2, 2), "00110.00");

  ChangeAttorney back(folder.path());
  EXPECT_TRUE(back.save("ZZ", "AB").closed());
  EXPECT_EQ(readFile(folder / "AttorneyInitials.Dat"), "AB\r\nBB\r\nCC\r\n");
  EXPECT_EQ(test::storedRate(folder.path(), 0, 1), "00100.00");
}

TEST(ChangeAttorney, RefusalsInTheirOrderOneAtATime) {
  TempFolder folder;
  test::writeRegister(folder.path(), threeAttorneys());
  const auto before = snapshot(folder.path());
  struct Case {
    std::string from, to, message;
  };
  const Case cases[] = {
      {"", "ZZ", kChangeFromInvalid}, {"aa", "1", kChangeFromInvalid}, {"DD", "", kChangeFromNotPresent},
      {"AA", "", kChangeToInvalid},   {"AA", "zz", kChangeToInvalid},  {"AA", "WXYZ", kChangeToInvalid},
      {"AA", "CC", kChangeToInUse},
  };
  for (const auto& c : cases) {
    ChangeAttorney change(folder.path());
    EXPECT_EQ(change.save(c.from, c.to).messages, errors({c.message})) << c.from << " " << c.to;
  }
  EXPECT_EQ(snapshot(folder.path()), before);
  ChangeAttorney same(folder.path());  // to its own initials: nothing moves
  EXPECT_TRUE(same.save("BB", "BB").closed());
  EXPECT_EQ(snapshot(folder.path()), before);
}

TEST(DeleteAttorney, RemovesTheAttorneyAndItsRecordOrRefuses) {
  TempFolder folder;
  test::writeRegister(folder.path(), threeAttorneys());
  const auto before = snapshot(folder.path());
  struct Case {
    std::string initials;
    dialog::Message message;
  };
  const Case cases[] = {
      {"", {MessageKind::Error, kDeleteInvalid}},
      {"bb", {MessageKind::Error, kDeleteInvalid}},
      {"DD", {MessageKind::Error, kDeleteNotPresent}},
  };
  for (const auto& c : cases) {
    DeleteAttorney remove(folder.path());
    EXPECT_EQ(remove.remove(c.initials).messages, std::vector<dialog::Message>{c.message}) << c.initials;
  }
  EXPECT_EQ(snapshot(folder.path()), before);

  EXPECT_TRUE(DeleteAttorney(folder.path()).remove("BB").closed());
  EXPECT_EQ(readFile(folder / "AttorneyInitials.Dat"), "AA\r\nCC\r\n");
  EXPECT_EQ(test::rateFile(folder.path()).size(), 180u);
  EXPECT_EQ(test::storedRate(folder.path(), 1, 1), "00300.00");
  EXPECT_EQ(readFile(folder / "Dimensions.Dat"), before.at("Dimensions.Dat"));
  EXPECT_TRUE(DeleteAttorney(folder.path()).remove("AA").closed());

  DeleteAttorney last(folder.path());
  EXPECT_EQ(last.remove("CC").messages,
            (std::vector<dialog::Message>{{MessageKind::Information, kDeleteOnlyAttorney}}));
  EXPECT_EQ(readFile(folder / "AttorneyInitials.Dat"), "CC\r\n");
}

TEST(AttorneyBillingRate, AcceptsOneCentTo99999Dollars99) {
  AttorneyBillingRate dialog("JD");
  EXPECT_EQ(dialog.label(), "Enter Billing Rate\r\n    For Attorney\r\n         JD");
  struct Case {
    std::string typed;
    std::optional<double> rate;
  };
  const Case cases[] = {
      {"$1,250.50", 1250.5},        {"0.01", 0.01},      {"$99,999.99", 99999.99}, {"0.00", std::nullopt},
      {"100,000.00", std::nullopt}, {"$", std::nullopt}, {"", std::nullopt},       {"1 0", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto outcome = dialog.ok(c.typed);
    EXPECT_EQ(outcome.closed(), c.rate.has_value()) << c.typed;
    if (c.rate) {
      EXPECT_EQ(dialog.rate(), *c.rate) << c.typed;
    } else {
      EXPECT_EQ(outcome.messages, errors({kInvalidBillingRate})) << c.typed;
    }
  }
}

}  // namespace vrk::attorneys
