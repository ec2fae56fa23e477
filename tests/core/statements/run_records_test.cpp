#include "core/statements/run_records.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace vrk::statements {
namespace {

TEST(RunRecords, FinishedGroupsStaySortedAndOnce) {
  test::TempFolder folder;
  for (const char* group : {"B", "A", "B"}) {
    store::Transaction tx(folder.path());
    stageFinishedGroup(tx, group);
    tx.commit();
  }
  EXPECT_EQ(test::readFile(folder / "ClientGroupsWithFinalStatements.Dat"), "A\r\nB\r\n");
  store::Transaction tx(folder.path());
  EXPECT_EQ(loadFinishedGroups(tx), (std::vector<std::string>{"A", "B"}));
}

TEST(RunRecords, InvoiceNumbersAdvanceOnlyFromAWholeNumber) {
  struct Case {
    bool key;
    const char* stored;
    std::optional<int> taken;
    const char* after;
  };
  const Case cases[] = {
      {true, "1001", 1001, "1002"},
      {false, "1001", std::nullopt, "1001"},  // no settings key: no invoice line, nothing advanced
      {true, "", std::nullopt, ""},
      {true, "12a", std::nullopt, "12a"},
      {true, "0", std::nullopt, "0"},
      {true, "99999999999", std::nullopt, "99999999999"},
  };
  for (const auto& c : cases) {
    services::MemorySettingsStore settings;
    if (c.key) settings.createKey();
    if (c.key) settings.writeString(services::kNextInvoiceNumber, c.stored);
    EXPECT_EQ(takeInvoiceNumber(settings), c.taken) << c.stored;
    if (c.key) {
      EXPECT_EQ(settings.readString(services::kNextInvoiceNumber), c.after) << c.stored;
    } else {
      EXPECT_FALSE(settings.keyExists());
    }
  }
}

}  // namespace
}  // namespace vrk::statements
