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

}  // namespace
}  // namespace vrk::test
