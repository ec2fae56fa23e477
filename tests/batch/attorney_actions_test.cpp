// The attorney and fee schedule actions end to end through vrk-batch.
#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

class AttorneyActionsTest : public ::testing::Test {
 protected:
  BatchResult batch(std::vector<std::string> args) {
    return runBatchOn(folder.path(), args, "08/03/2001", "072001");
  }
  std::string file(const std::string& name) { return readFile(folder / "072001" / name); }
  TempFolder folder;
};

}  // namespace

TEST_F(AttorneyActionsTest, EachActionPrintsItsMessagesAndExitStatus) {
  copySampleOffice(folder.path());
  struct Case {
    std::vector<std::string> args;
    std::string out;
    int status;
  };
  const Case cases[] = {
      {{"do", "add-attorney", "initials=kt", "rate-1=$1,250.5", "rate-2=90", "rate-3=$_1,234.5_"}, "OK\n", 0},
      {{"do", "add-attorney", "initials=KT"},
       "[error]\nDUPLICATE ATTORNEY INITIALS\n       ARE NOT ALLOWED\nREFUSED\n",
       1},
      {{"do", "add-attorney", "initials=K1"},
       "[error]\nINVALID ATTORNEY INITIALS\n  ENTER 1, 2, OR 3 LETTERS\nREFUSED\n",
       1},
      {{"do", "add-attorney", "initials=AA", "rate-1=100000"}, "", 2},
      {{"do", "change-attorney", "from=kt", "to=jd"},
       "[error]\nREPLACEMENT ATTORNEY INITIALS\n      ARE ALREADY IN USE\nREFUSED\n",
       1},
      {{"do", "change-attorney", "from=kt", "to=zz"}, "OK\n", 0},
      {{"do", "change-fee-schedules", "rate-ZZ-2=$1,000", "rate-ab-2="}, "OK\n", 0},
      {{"do", "change-fee-schedules", "rate-ZZ-4=1"}, "", 2},
      {{"do", "change-fee-schedules", "rate-QQ-1=1"}, "", 2},
      {{"do", "add-fee-schedule", "rate-ZZ=300", "rate-JD=abc"},
       "[error]\nINVALID HOURLY RATE ENTRY\nREFUSED\n",
       1},
      {{"do", "add-fee-schedule", "rate-ZZ=300"}, "OK\n", 0},
      {{"do", "add-fee-schedule", "initials=QQ", "rate=1"}, "", 2},
      {{"do", "delete-fee-schedule", "schedule=5"},
       "[error]\n        Invalid Fee Schedule\nEnter A Number Between 1 And 4\nREFUSED\n",
       1},
      {{"do", "delete-fee-schedule", "schedule=1"}, "OK\n", 0},
      {{"do", "delete-attorney", "initials=mkl"}, "OK\n", 0},
  };
  for (const auto& c : cases) {
    const auto result = batch(c.args);
    EXPECT_EQ(result.out, c.out) << c.args[1] << " " << c.args[2];
    EXPECT_EQ(result.status, c.status) << c.args[1] << " " << c.args[2];
  }
  EXPECT_EQ(file("AttorneyInitials.Dat"), "AB\r\nJD\r\nZZ\r\n");
  // ZZ's schedules 2, 3 and the added 4 are now 1, 2 and 3, the changed ones without leading zeros;
  // AB's emptied schedule 2 (stored "0") is now schedule 1.
  EXPECT_EQ(file("FeeSchedules.Dat").substr(180, 27), std::string("\x07"
                                                                  "1000.00\0"
                                                                  "\x07"
                                                                  "1234.50\0",
                                                                  18) +
                                                          std::string("\x08"
                                                                      "00300.00",
                                                                      9));
  EXPECT_EQ(file("FeeSchedules.Dat").substr(0, 2),
            "\x01"
            "0");
}

TEST_F(AttorneyActionsTest, FirstAttorneyByTheAddScheduleDialogAndRefusalsWithoutARegister) {
  std::filesystem::create_directories(folder / "072001");
  const std::string noFiles = "[error]\nTHERE ARE NO FEE SCHEDULE FILES FOR THIS BILLING PERIOD\nREFUSED\n";
  EXPECT_EQ(batch({"do", "delete-attorney", "initials=JD"}).out, noFiles);
  EXPECT_EQ(batch({"do", "change-fee-schedules"}).out, noFiles);
  EXPECT_EQ(batch({"do", "add-fee-schedule", "rate-JD=1"}).status, 2);
  EXPECT_EQ(batch({"do", "add-fee-schedule", "initials=jd", "rate=$250"}).out, "OK\n");
  EXPECT_EQ(file("AttorneyInitials.Dat"), "JD\r\n");
  EXPECT_EQ(file("FeeSchedules.Dat").substr(0, 9),
            "\x08"
            "00250.00");
  EXPECT_EQ(batch({"print", "fee-schedules"}).status, 0);
}

}  // namespace vrk::test
