// vrk-batch import and export end to end on a copy of the sample office: a good file saved, a bad
// one refused row by row with nothing written, an export written whole, and the usage and file
// errors.
#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

TEST(ImportAction, SavesAGoodFileAndRefusesABadOneWholly) {
  TempFolder folder;
  const auto office = copySampleOffice(folder.path());
  const auto csv = folder / "rows.csv";
  const auto batch = [&](std::vector<std::string> args) {
    return runBatchOn(folder.path(), std::move(args), "07/20/2001", "072001", true);
  };
  struct Case {
    std::string file;  // written to rows.csv first
    std::vector<std::string> args;
    std::string out;  // the start of the output
    int status;
  };
  const Case cases[] = {
      {"client,date,amount\r\nACME,07/16/2001,5\r\nBETA1,2001-07-17,\"1,000\"\r\n",
       {"import", "payment", csv.string()}, "[information]\n2 RECORDS WERE IMPORTED\nOK\n", 0},
      {"client,date,amount\r\nACME,07/16/2001,5\r\nNOPE,07/16/2001,5\r\nZED,07/16/2001,\r\n",
       {"import", "payment", csv.string()},
       "[error]\nTHE FILE WAS NOT IMPORTED\nEACH ROW WITH A PROBLEM IS LISTED\n"
       "line 3: INVALID CLIENT CODE - NO DATA IS PRESENT FOR THIS CLIENT\n"
       "line 4: INVALID PAYMENT AMOUNT - ENTER A NUMBER FROM $0.01 TO $99,999,999.99\nREFUSED\n",
       1},
      {"", {"import", "payment", (folder / "missing.csv").string()}, "vrk-batch: ", 3},
      {"", {"import", "fees", csv.string()}, "vrk-batch: import needs the kind of records", 2},
      {"", {"import", "time"}, "vrk-batch: import time needs the CSV file to read", 2},
  };
  for (const auto& c : cases) {
    writeFile(csv, c.file);
    const Snapshot before = snapshot(office);
    const auto result = batch(c.args);
    EXPECT_EQ(result.out.substr(0, c.out.size()), c.out) << result.out;
    EXPECT_EQ(result.status, c.status) << result.out;
    if (c.status != 0) {
      EXPECT_TRUE(snapshot(office) == before) << result.out;
    }
  }
  EXPECT_NE(batch({"import", "payment", (folder / "missing.csv").string()}).out.find("missing.csv"), std::string::npos);
  EXPECT_EQ(batch({"print", "records", "payment", "client=BETA1"}).out,
            "  1  07/17/2001       $1,000.00\n  2  07/20/2001       $1,500.00\n");
}

TEST(ExportAction, WritesTheFileWholeOrNothing) {
  TempFolder folder;
  copySampleOffice(folder.path());
  const auto batch = [&](std::vector<std::string> args) {
    return runBatchOn(folder.path(), std::move(args), "07/20/2001", "072001", true);
  };
  const auto file = folder / "payments.csv";
  EXPECT_EQ(batch({"export", "payment", file.string()}).out, "exported to " + file.string() + "\nOK\n");
  EXPECT_EQ(readFile(file), "\xEF\xBB\xBF" "client,date,amount\r\nACME,07/15/2001,500.00\r\nBETA1,07/20/2001,1500.00\r\n");
  const struct {
    std::vector<std::string> args;
    int status;
  } refused[] = {{{"export", "fees", file.string()}, 2},
                 {{"export", "clients", (folder / "no-such-folder" / "x.csv").string()}, 3}};
  for (const auto& c : refused) EXPECT_EQ(batch(c.args).status, c.status);
  EXPECT_FALSE(std::filesystem::exists(folder / "no-such-folder"));
}

// Every exported LEDES file among the golden cases passes the checker; a damaged copy does not.
TEST(CheckLedesAction, GoldenExportsPassAndDamageIsNamedByLine) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(VRK_GOLDEN_DIR) / "ledes")) {
    const auto file = entry.path() / "expected";
    if (readFile(file).rfind("LEDES1998B[]", 0) != 0) continue;
    ++files;
    EXPECT_EQ(runBatch({"check-ledes", file.string()}).out, "OK\n") << file;
  }
  EXPECT_GE(files, 2);
  TempFolder folder;
  std::string damaged = readFile(std::filesystem::path(VRK_GOLDEN_DIR) / "ledes" / "itemized-acme" / "expected");
  damaged.replace(damaged.find("|625.00|"), 8, "|626.00|");
  writeFile(folder / "damaged.ledes", damaged);
  const auto result = runBatch({"check-ledes", (folder / "damaged.ledes").string()});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("line 3: "), std::string::npos) << result.out;
}

// A final run's LEDES files are the draft export numbered with the statement's invoice number; a
// group export holds its clients' invoices; a run that cannot write its files saves nothing.
TEST(LedesFiles, FinalRunFilesMatchTheDraftExportNumbered) {
  TempFolder folder;
  const auto office = copySampleOffice(folder.path());
  writeFile(folder / "settings.ini", "[Software]\nVRK\\NextInvoiceNumber=41\n");
  const auto batch = [&](std::vector<std::string> args) {
    return runBatchOn(folder.path(), std::move(args), "07/31/2001", "072001", true);
  };
  const auto draft = [&](const std::string& which) {
    const auto result = batch({"export", "ledes", which, "-"});
    EXPECT_EQ(result.status, 0) << result.out;
    return result.out;
  };
  const std::string acme = draft("client=ACME");
  const std::string beta = draft("client=BETA1");
  const std::string header = acme.substr(0, acme.find("\r\n", acme.find("\r\n") + 2) + 2);
  EXPECT_EQ(draft("group=A"), acme + beta.substr(header.size()));

  const auto ledes = folder / "ledes";
  const struct {
    std::vector<std::string> args;
    std::string out;
    int status;
  } refused[] = {
      {{"do", "final-statements", "group=A", "--ledes", (folder / "missing").string()},
       "[error]\nTHE FOLDER FOR THE LEDES FILES CANNOT BE FOUND\nREFUSED\n", 1},
      {{"print", "matter-list", "--ledes", ledes.string()}, "vrk-batch: --ledes DIR goes with do final-statements", 2},
      {{"export", "ledes", "client=ACME", "group=A", "-"}, "vrk-batch: export ledes needs client=CODE or group=G", 2},
      {{"export", "ledes", "group=ZZ", "-"}, "vrk-batch: export ledes: ZZ is not a client group", 2},
  };
  std::filesystem::create_directory(ledes);
  for (const auto& c : refused) {
    const auto result = batch(c.args);
    EXPECT_EQ(result.out.substr(0, c.out.size()), c.out);
    EXPECT_EQ(result.status, c.status) << result.out;
  }
  // A file already holding the first invoice's name is never written over: the run saves nothing
  // (the invoice number it took stays used, as after any failed final run).
  writeFile(ledes / "41-ACME.txt", "sent earlier");
  Snapshot before = snapshot(office);
  EXPECT_EQ(batch({"do", "final-statements", "group=A", "--ledes", ledes.string()}).status, 3);
  EXPECT_TRUE(snapshot(office) == before);
  EXPECT_EQ(readFile(ledes / "41-ACME.txt"), "sent earlier");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ledes), {}), 1);

  std::filesystem::remove(ledes / "41-ACME.txt");
  const auto result = batch({"do", "final-statements", "group=A", "--ledes", ledes.string()});
  EXPECT_NE(result.out.find("invoice numbers 42 to 43\n2 LEDES files saved\nOK\n"), std::string::npos) << result.out;
  const auto numbered = [](std::string text, const std::string& number) {
    for (auto at = text.find("|DRAFT|"); at != std::string::npos; at = text.find("|DRAFT|", at))
      text.replace(at, 7, "|" + number + "|");
    return text;
  };
  EXPECT_EQ(readFile(ledes / "42-ACME.txt"), numbered(acme, "42"));
  EXPECT_EQ(readFile(ledes / "43-BETA1.txt"), numbered(beta, "43"));
  EXPECT_EQ(batch({"check-ledes", (ledes / "43-BETA1.txt").string()}).out, "OK\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ledes), {}), 2);
}

}  // namespace
}  // namespace vrk::test
