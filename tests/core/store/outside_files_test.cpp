// Files written outside the data folders appear whole, only when published, and never over another.
#include "core/store/outside_files.h"

#include <gtest/gtest.h>

#include "core/store/store_error.h"
#include "support/temp_folder.h"

namespace vrk::store {
namespace {

TEST(PendingFiles, AppearOnlyWhenPublishedAndNeverOverAnotherFile) {
  const struct Case {
    const char* name;
    bool publish;
    test::Snapshot after;
  } cases[] = {
      {"published", true, {{"old.txt", "kept"}, {"1-A.txt", "one"}, {"2-B.txt", "two"}}},
      {"not published", false, {{"old.txt", "kept"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const test::TempFolder folder;
    test::writeFile(folder / "old.txt", "kept");
    {
      PendingFiles files(folder.path());
      files.add("1-A.txt", "one");
      files.add("2-B.txt", "two");
      EXPECT_EQ(test::snapshot(folder.path()).count("1-A.txt"), 0U);
      EXPECT_THROW(files.add("old.txt", "over"), StoreError);
      if (c.publish) files.publish();
    }
    EXPECT_EQ(test::snapshot(folder.path()), c.after);
  }
}

TEST(WriteFileWhole, ReplacesTheFileOrLeavesNothing) {
  const test::TempFolder folder;
  const auto file = folder / "export.csv";
  test::writeFile(file, "old");
  writeFileWhole(file, "new");
  EXPECT_EQ(test::snapshot(folder.path()), (test::Snapshot{{"export.csv", "new"}}));
  try {
    writeFileWhole(folder / "missing" / "x.csv", "text");
    ADD_FAILURE() << "no error";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("x.csv"), std::string::npos);
  }
  EXPECT_EQ(test::snapshot(folder.path()).size(), 1U);
}

}  // namespace
}  // namespace vrk::store
