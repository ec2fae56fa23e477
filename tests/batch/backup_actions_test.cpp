#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

namespace fs = std::filesystem;

class BackupBatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(data() / "072001");
    writeFile(data() / "072001" / "ClientCodes.Dat", "ABC\r\n");
  }
  fs::path data() const { return folder / "office" / "VRK DATA FILES"; }
  BatchResult batch(std::vector<std::string> args) {
    args.insert(args.begin(),
                {"--settings", (folder / "settings.ini").string(), "--data-dir", data().string()});
    return runBatch(args);
  }
  TempFolder folder;
};

TEST_F(BackupBatchTest, BackupAsksBeforeOverwritingAndRestoreMergesBack) {
  fs::create_directories(folder / "save");
  const fs::path backup = folder / "save" / "VRK DATA FILES";
  const std::string directory = "directory=" + (folder / "save").string();
  const std::string backedUp = "[information]\nTHE BACKUP IS COMPLETE\n1 FILE IN 1 FOLDER WAS COPIED TO\n" +
                               backup.string() + "\nOK\n";

  auto result = batch({"do", "backup", directory});
  EXPECT_EQ(result.out, backedUp);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(readFile(backup / "072001" / "ClientCodes.Dat"), "ABC\r\n");
  EXPECT_NE(readFile(folder / "settings.ini").find("BackupDataFilesPath=" + (folder / "save").string()),
            std::string::npos);

  writeFile(data() / "072001" / "ClientCodes.Dat", "CHANGED\r\n");
  result = batch({"do", "backup", directory});  // no answer given: No
  EXPECT_EQ(result.out, "[confirmation]\nOVERWRITE EXISTING BACKUP FILES?\nOK\n");
  EXPECT_EQ(readFile(backup / "072001" / "ClientCodes.Dat"), "ABC\r\n");
  result = batch({"do", "backup", "directory=" + backup.string(), "--yes"});
  EXPECT_EQ(result.out, "[confirmation]\nOVERWRITE EXISTING BACKUP FILES?\n" + backedUp);
  EXPECT_EQ(readFile(backup / "072001" / "ClientCodes.Dat"), "CHANGED\r\n");

  writeFile(backup / "072001" / "ClientCodes.Dat", "FROM BACKUP\r\n");
  writeFile(data() / "072001" / "OnlyHere.Dat", "kept");
  EXPECT_EQ(batch({"do", "restore", directory}).status, 1);  // not named VRK DATA FILES
  result = batch({"do", "restore", "directory=" + backup.string()});
  EXPECT_EQ(readFile(data() / "072001" / "ClientCodes.Dat"), "FROM BACKUP\r\n");
  EXPECT_EQ(readFile(data() / "072001" / "OnlyHere.Dat"), "kept");

  // The data directory as it was, beside it under the date and time of the restore.
  std::vector<fs::path> beside;
  for (const auto& entry : fs::directory_iterator(folder / "office"))
    if (entry.path() != data()) beside.push_back(entry.path());
  ASSERT_EQ(beside.size(), 1u);
  const fs::path kept = beside[0];
  EXPECT_TRUE(
      std::regex_match(kept.filename().string(),
                       std::regex("VRK DATA FILES before restore [0-9]{4}-[01][0-9]-[0-3][0-9] [0-9]{6}")))
      << kept;
  EXPECT_EQ(readFile(kept / "072001" / "ClientCodes.Dat"), "CHANGED\r\n");
  EXPECT_EQ(readFile(kept / "072001" / "OnlyHere.Dat"), "kept");
  EXPECT_EQ(result.out, "[information]\nTHE RESTORE IS COMPLETE\n1 FILE IN 1 FOLDER WAS COPIED FROM\n" +
                            backup.string() + "\nTHE DATA FILES AS THEY WERE ARE KEPT IN\n" + kept.string() +
                            "\nOK\n");
}

}  // namespace
}  // namespace vrk::test
