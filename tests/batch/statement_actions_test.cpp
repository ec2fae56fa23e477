// vrk-batch statement runs: refused checks, the output file of a final run, and its invoice numbers.
#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

TEST(StatementActions, RefusedChecksPrintTheirBoxesAndEndRefused) {
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const Case cases[] = {
      {{"print", "draft-statement", "client=NOBODY"}, "[error]\nNO DATA IS PRESENT\n    FOR THIS CLIENT\nREFUSED\n"},
      {{"print", "draft-statements", "group=Q"},
       "[information]\nNo Clients Are Present\n  For This Client Group\nREFUSED\n"},
      {{"do", "final-statements", "group=AB"}, "[error]\n      Invalid Client Group\nEnter A Letter Or A Number\nREFUSED\n"},
  };
  for (const auto& c : cases) {
    TempFolder temp;
    const auto folder = copySampleOffice(temp.path());
    const auto before = snapshot(folder);
    const auto result = runBatchOn(temp.path(), c.args, "07/31/2001", "072001");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(snapshot(folder), before);
  }
}

TEST(StatementActions, AFinalRunWritesItsStatementsToTheFileAndNumbersThem) {
  TempFolder temp;
  copySampleOffice(temp.path());
  writeFile(temp / "settings.ini", "[Software]\nVRK\\NextInvoiceNumber=41\n");
  const auto out = temp / "final.txt";
  const auto result =
      runBatchOn(temp.path(), {"do", "final-statements", "group=A", "--out", out.string()}, "07/31/2001", "072001");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "2 statements\ninvoice numbers 41 to 42\nOK\n");
  const std::string text = readFile(out);
  EXPECT_NE(text.find("Invoice No. 42"), std::string::npos);
  EXPECT_NE(text.find("Billing Activity Report - Client Group \"A\""), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(out.string() + ".partial"));
  EXPECT_NE(readFile(temp / "settings.ini").find("NextInvoiceNumber=43"), std::string::npos);
}

// A month's final runs keep a PDF file of each group's printout, printed again byte for byte; the
// last one seals the month, and verify finds a later change.
TEST(StatementActions, FinalRunsKeepTheirPrintoutAndTheLastSealsTheMonth) {
  TempFolder temp;
  const auto folder = copySampleOffice(temp.path());
  const auto batch = [&](std::vector<std::string> args) {
    return runBatchOn(temp.path(), std::move(args), "07/31/2001", "072001");
  };
  const auto reprint = temp / "again.pdf";
  const struct {
    std::vector<std::string> args;
    std::string out;
    int status;
  } steps[] = {
      {{"print", "final-statements", "group=A", "--out", reprint.string()},
       "[information]\nTHE FINAL STATEMENTS OF THIS CLIENT GROUP\nARE NOT KEPT FOR THIS BILLING PERIOD\nREFUSED\n", 1},
      {{"do", "final-statements", "group=A"}, "2 statements\nOK\n", 0},
      {{"verify"}, "072001: not sealed\n", 1},
      {{"print", "final-statements", "group=A", "--out", reprint.string()}, "", 0},
      {{"print", "final-statements", "group=A"}, "", 2},
      {{"do", "final-statements", "group=B"}, "1 statement\nOK\n", 0},
      {{"verify"}, "072001: sealed, all files hold\n", 0},
  };
  for (const auto& step : steps) {
    const auto result = batch(step.args);
    EXPECT_EQ(result.out.substr(0, step.out.size()), step.out);
    EXPECT_EQ(result.status, step.status) << result.out;
  }
  EXPECT_EQ(readFile(reprint), readFile(folder / "Final Statements Group A.pdf"));
  EXPECT_EQ(readFile(reprint).rfind("%PDF", 0), 0U);
  std::string data = readFile(folder / "TimeRecordData.Dat");
  data[100] = static_cast<char>(data[100] ^ 1);
  writeFile(folder / "TimeRecordData.Dat", data);
  EXPECT_EQ(batch({"verify"}).out, "072001: changed: TimeRecordData.Dat\n");
}

}  // namespace
}  // namespace vrk::test
