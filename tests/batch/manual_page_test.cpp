// The vrk-batch manual page the build writes lists every action and document `vrk-batch help`
// lists, and nothing else.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::batch {
namespace {

// The names `vrk-batch help` lists in one section: the lines with two blanks and a name.
std::set<std::string> helpNames(const std::string& help, const std::string& section) {
  std::set<std::string> names;
  std::istringstream lines(help.substr(help.find(section)));
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line) && !line.empty())
    if (line.starts_with("  ") && line[2] != ' ') names.insert(line.substr(2, line.find(' ', 2) - 2));
  return names;
}

// The names of the manual page's entries in one section (".TP" then "\fBname\fR").
std::set<std::string> manualNames(const std::string& page, const std::string& section) {
  std::set<std::string> names;
  std::istringstream lines(page.substr(page.find(".SH " + section + "\n")));
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line) && !line.starts_with(".SH")) {
    if (line != ".TP" || !std::getline(lines, line)) continue;
    std::string name = line.substr(3, line.find("\\fR") - 3);
    for (auto at = name.find("\\-"); at != std::string::npos; at = name.find("\\-")) name.erase(at, 1);
    names.insert(name);
  }
  return names;
}

TEST(ManualPage, ListsEveryActionAndDocumentOfTheHelp) {
  const std::string help = test::runBatch({"help"}).out;
  const std::string page = test::readFile(VRK_BATCH_MANPAGE);
  const auto actions = helpNames(help, "actions (do):");
  const auto documents = helpNames(help, "documents (print):");
  ASSERT_GT(actions.size(), 20u);
  ASSERT_GT(documents.size(), 20u);
  EXPECT_EQ(manualNames(page, "ACTIONS"), actions);
  EXPECT_EQ(manualNames(page, "DOCUMENTS"), documents);
  EXPECT_TRUE(page.starts_with(".TH VRK\\-BATCH 1 ")) << page.substr(0, 80);
}

}  // namespace
}  // namespace vrk::batch
