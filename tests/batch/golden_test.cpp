// Runs every golden case under tests/golden through vrk-batch and compares the output exactly;
// every document vrk-batch can print must have a case.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

const std::filesystem::path kGolden = VRK_GOLDEN_DIR;

std::vector<std::vector<std::string>> readCommands(const std::filesystem::path& file, const std::string& office) {
  std::vector<std::vector<std::string>> commands(1);
  std::istringstream in(readFile(file));
  for (std::string line; std::getline(in, line);) {
    if (line == "---") {
      commands.emplace_back();
      continue;
    }
    for (std::size_t at = line.find("{office}"); at != std::string::npos; at = line.find("{office}"))
      line.replace(at, 8, office);
    commands.back().push_back(line);
  }
  return commands;
}

std::set<std::string> printableDocuments() {
  std::set<std::string> names;
  std::istringstream in(runBatch({"help"}).out);
  bool inDocuments = false;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("documents", 0) == 0) inDocuments = true;
    if (inDocuments && line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ')
      names.insert(line.substr(2, line.find(' ', 2) - 2));
  }
  return names;
}

}  // namespace

TEST(GoldenDocuments, EveryCaseGivesItsExpectedText) {
  int cases = 0;
  for (const auto& document : std::filesystem::directory_iterator(kGolden)) {
    if (!document.is_directory()) continue;
    for (const auto& folder : std::filesystem::directory_iterator(document.path())) {
      SCOPED_TRACE(folder.path().string());
      TempFolder temp;
      // A case starts from the sample office, or from the office its `office` file names.
      std::string officeName = "sample-office";
      if (std::filesystem::exists(folder.path() / "office")) {
        std::istringstream name(readFile(folder.path() / "office"));
        name >> officeName;
      }
      copyOffice(temp / "VRK DATA FILES", officeName);
      const auto office = (temp / "VRK DATA FILES").string() + "/";
      BatchResult result;
      for (auto args : readCommands(folder.path() / "command", office)) {
        args.insert(args.begin(), {"--settings", (temp / "settings.ini").string(), "--today", "12/05/2026"});
        result = runBatch(args);
      }
      EXPECT_EQ(result.out, readFile(folder.path() / "expected"));
      ++cases;
    }
  }
  EXPECT_GT(cases, 0);
}

TEST(GoldenDocuments, EveryPrintableDocumentHasACase) {
  const auto names = printableDocuments();
  EXPECT_FALSE(names.empty());
  for (const auto& name : names) EXPECT_TRUE(std::filesystem::is_directory(kGolden / name)) << name;
}

}  // namespace vrk::test
