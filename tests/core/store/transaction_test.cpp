#include "core/store/transaction.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "core/store/journal.h"
#include "core/store/store_error.h"
#include "support/temp_folder.h"

namespace vrk::store {
namespace {

struct SimulatedCrash {};

}  // namespace

TEST(Transaction, ReadsSeeStagedChangesAndDiskStaysUntouchedUntilCommit) {
  test::TempFolder folder;
  test::writeFile(folder / "A.Dat", "0123456789");
  test::writeFile(folder / "Gone.Dat", "x");
  Transaction tx(folder.path());
  tx.writeAt("A.Dat", 2, "ab");
  tx.append("A.Dat", "XY");
  tx.truncate("A.Dat", 11);
  tx.writeAt("A.Dat", 11, "Z");
  tx.writeWhole("New.Dat", "new");
  tx.append("New.Dat", "er");
  tx.remove("Gone.Dat");
  EXPECT_EQ(tx.read("A.Dat"), "01ab456789XZ");
  EXPECT_EQ(tx.readRange("A.Dat", 9, 3), "9XZ");
  EXPECT_EQ(tx.read("New.Dat"), "newer");
  EXPECT_FALSE(tx.exists("Gone.Dat"));
  EXPECT_THROW(tx.readRange("A.Dat", 10, 5), StoreError);
  EXPECT_EQ(test::readFile(folder / "A.Dat"), "0123456789");

  tx.commit();
  EXPECT_EQ(test::snapshot(folder.path()), (test::Snapshot{{"A.Dat", "01ab456789XZ"}, {"New.Dat", "newer"}}));
}

TEST(Transaction, RecoveryCompletesASealedJournalAndDiscardsAPartialOne) {
  for (const bool sealed : {false, true}) {
    test::TempFolder folder;
    test::writeFile(folder / "A.Dat", "old");
    {
      Transaction tx(folder.path());
      tx.writeWhole("A.Dat", "new contents");
      tx.writeWhole("B.Dat", "b");
      tx.setFaultHook([&](const std::string& point) {
        if (point == (sealed ? "apply B.Dat" : "seal journal")) throw SimulatedCrash{};
      });
      EXPECT_THROW(tx.commit(), SimulatedCrash);
    }
    Transaction reopened(folder.path());
    const test::Snapshot expected =
        sealed ? test::Snapshot{{"A.Dat", "new contents"}, {"B.Dat", "b"}} : test::Snapshot{{"A.Dat", "old"}};
    EXPECT_EQ(test::snapshot(folder.path()), expected) << "sealed=" << sealed;
  }
}

TEST(Transaction, ADamagedJournalIsSetAsideAndReported) {
  test::TempFolder folder;
  test::writeFile(folder / kJournalName, "VRKJRNL1 not a journal at all");
  EXPECT_THROW(Transaction{folder.path()}, StoreError);
  EXPECT_TRUE(std::filesystem::exists(folder / (std::string(kJournalName) + ".damaged")));
  EXPECT_NO_THROW(Transaction{folder.path()});
  test::writeFile(folder / kJournalName, "VRKJRNL1 damaged again");  // the first one is kept
  EXPECT_THROW(Transaction{folder.path()}, StoreError);
  EXPECT_EQ(test::readFile(folder / (std::string(kJournalName) + ".damaged")),
            "VRKJRNL1 not a journal at all");
  EXPECT_TRUE(std::filesystem::exists(folder / (std::string(kJournalName) + ".damaged-2")));
}

TEST(Transaction, AJournalWithAnyByteChangedIsRefused) {
  std::vector<Transaction::Change> changes(1);
  changes[0].name = "A.Dat";
  changes[0].size = 4;
  changes[0].patches.push_back({0, "data"});
  std::uint64_t after = 0;
  const std::string bytes = journal::encode(changes, 7, after);
  ASSERT_TRUE(journal::decode(bytes).has_value());
  EXPECT_EQ(journal::decode(bytes)->stampAfter, after);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::string damaged = bytes;
    damaged[i] = static_cast<char>(damaged[i] ^ 0x10);
    EXPECT_FALSE(journal::decode(damaged).has_value()) << "byte " << i;
  }
  EXPECT_FALSE(journal::decode(bytes.substr(0, bytes.size() - 1)).has_value());
}

TEST(Transaction, AJournalIsReplayedOnlyOverTheStateItWasSealedAgainst) {
  // A journal whose removal a power cut undid comes back. Right after its own save it only has to
  // go; after a later save (or a restore) its files have moved on, and replaying it would
  // overwrite the newer records: it is set aside and reported instead.
  for (const bool laterSave : {false, true}) {
    SCOPED_TRACE(laterSave ? "after a later save" : "right after its own save");
    test::TempFolder folder;
    std::string kept;
    {
      Transaction tx(folder.path());
      tx.writeWhole("A.Dat", "first save");
      tx.setFaultHook([&](const std::string& point) {
        if (point == "remove journal") kept = test::readFile(folder / kJournalName);
      });
      tx.commit();
    }
    if (laterSave) {
      Transaction tx(folder.path());
      tx.writeWhole("A.Dat", "later");
      tx.commit();
    }
    const auto saved = test::snapshot(folder.path());
    test::writeFile(folder / kJournalName, kept);
    if (laterSave) {
      EXPECT_THROW(Transaction{folder.path()}, StoreError);
      EXPECT_EQ(test::readFile(folder / (std::string(kJournalName) + ".stale")), kept);
      std::filesystem::remove(folder / (std::string(kJournalName) + ".stale"));
    } else {
      EXPECT_NO_THROW(Transaction{folder.path()});
    }
    EXPECT_EQ(test::snapshot(folder.path()), saved);
  }
}

TEST(Transaction, AFailedApplyIsUndoneSoTheFolderKeepsItsOldState) {
  // Each case changes A.Dat ("0123456789") in one way; the commit then fails on B.Dat.
  const struct {
    const char* name;
    std::function<void(Transaction&)> change;
  } cases[] = {
      {"longer", [](Transaction& tx) { tx.writeAt("A.Dat", 0, "ABCDEFGHIJKLMN"); }},
      {"record in the middle", [](Transaction& tx) { tx.writeAt("A.Dat", 4, "xy"); }},
      {"overlapping patches",
       [](Transaction& tx) {
         tx.writeAt("A.Dat", 3, "abcd");
         tx.writeAt("A.Dat", 5, "WXYZ");
       }},
      {"cut short", [](Transaction& tx) { tx.truncate("A.Dat", 4); }},
      {"cut short then grown",
       [](Transaction& tx) {
         tx.truncate("A.Dat", 3);
         tx.append("A.Dat", "--");
       }},
      {"replaced", [](Transaction& tx) { tx.writeWhole("A.Dat", "new"); }},
      {"removed", [](Transaction& tx) { tx.remove("A.Dat"); }},
  };
  for (const auto& c : cases) {
    test::TempFolder folder;
    test::writeFile(folder / "A.Dat", "0123456789");
    test::writeFile(folder / "B.Dat", "beta");
    Transaction tx(folder.path());
    c.change(tx);
    tx.writeWhole("C.Dat", "created");
    tx.writeWhole("B.Dat", "BETA");
    tx.setFaultHook([&](const std::string& point) {
      if (point == "apply B.Dat") {  // B.Dat turns into a folder: writing it must fail
        std::filesystem::remove(folder / "B.Dat");
        std::filesystem::create_directory(folder / "B.Dat");
      }
    });
    try {
      tx.commit();
      ADD_FAILURE() << c.name << ": commit should fail";
    } catch (const StoreError& error) {
      EXPECT_EQ(error.path().filename(), "B.Dat") << c.name;
      EXPECT_NE(std::string(error.what()).find("nothing was changed"), std::string::npos) << c.name;
    }
    EXPECT_EQ(test::snapshot(folder.path()), (test::Snapshot{{"A.Dat", "0123456789"}})) << c.name;
  }
}

TEST(Transaction, AJournalSealedButNotSyncedIsWithdrawnWhenTheCommitFails) {
  test::TempFolder folder;
  test::writeFile(folder / "A.Dat", "old");
  {
    Transaction tx(folder.path());
    tx.writeWhole("A.Dat", "new");
    tx.setFaultHook([&](const std::string& point) {
      if (point == "sync folder") throw StoreError(folder.path(), "The folder cannot be written");
    });
    EXPECT_THROW(tx.commit(), StoreError);
  }
  // Reported as not saved, so reopening must not apply it.
  Transaction reopened(folder.path());
  EXPECT_EQ(test::snapshot(folder.path()), (test::Snapshot{{"A.Dat", "old"}}));
}

TEST(Transaction, AFolderThatCannotBeWrittenFailsBeforeAnythingChanges) {
  namespace fs = std::filesystem;
  struct Case {
    const char* what;
    std::function<bool(const fs::path&)> spoil;  // false: the case cannot be made here
  };
  const Case cases[] = {
      {"vanished (removed medium, or deleted while a dialog is open)",
       [](const fs::path& period) { return fs::remove_all(period) > 0; }},
      {"read-only",
       [](const fs::path& period) {
         fs::permissions(period, fs::perms::owner_read | fs::perms::owner_exec);
         std::ofstream probe(period / "probe");
         return !probe;  // permission bits do not stop this user (root): nothing to test
       }},
  };
  for (const auto& c : cases) {
    test::TempFolder folder;
    const auto period = folder / "072001";
    fs::create_directory(period);
    test::writeFile(period / "A.Dat", "old");
    Transaction tx(period);
    tx.writeWhole("A.Dat", "x");
    tx.writeWhole("B.Dat", "y");
    if (!c.spoil(period)) continue;
    const auto before = fs::exists(period) ? test::snapshot(period) : test::Snapshot{};
    try {
      tx.commit();
      ADD_FAILURE() << c.what << ": commit should fail";
    } catch (const StoreError& error) {
      EXPECT_EQ(error.path(), period) << c.what;
      EXPECT_NE(std::string(error.what()).find(period.string()), std::string::npos) << error.what();
    }
    EXPECT_EQ(fs::exists(period) ? test::snapshot(period) : test::Snapshot{}, before) << c.what;
  }
}

}  // namespace vrk::store
