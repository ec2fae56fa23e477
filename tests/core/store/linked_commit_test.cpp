// A save across two folders stopped at every write point of either folder, by a crash, a power
// cut or a failed write: both folders end all-old or all-new, whichever of them opens first.
#include "core/store/linked_commit.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>

#include "core/store/journal.h"
#include "core/store/store_error.h"
#include "support/power_cut.h"
#include "support/temp_folder.h"

namespace vrk::store {
namespace {

struct SimulatedCrash {};

// The two folders of a month-end run side by side: the next month, written first, and the
// current one.
struct Folders {
  Folders() {
    for (const auto& folder : {first, second}) std::filesystem::create_directory(folder);
    test::writeFile(first / "Dimensions.Dat", "0123456789");
    test::writeFile(first / "ClientCodes.Dat", "ACME\r\nBETA\r\n");
    test::writeFile(first / "Gone.Dat", "old");
    test::writeFile(second / "FinishedGroups.Dat", "G1\r\n");
    test::writeFile(second / "Activity.Dat", "abcdefgh");
  }
  test::TempFolder temp;
  std::filesystem::path first = temp / "122026";
  std::filesystem::path second = temp / "112026";
};

// Changes of every kind in both folders: a patch, an append, a file cut short, new and removed files.
void stage(Transaction& first, Transaction& second) {
  first.writeAt("Dimensions.Dat", 4, "xy");
  first.append("ClientCodes.Dat", "ZED\r\n");
  first.remove("Gone.Dat");
  first.writeWhole("New.Dat", "rolled forward");
  second.append("FinishedGroups.Dat", "G2\r\n");
  second.truncate("Activity.Dat", 3);
  second.append("Activity.Dat", "XYZW");
  second.writeWhole("Activity2.Dat", "second activity file");
}

using State = std::pair<test::Snapshot, test::Snapshot>;  // the first folder's files, the second's

struct Trial {
  std::size_t stopAt = SIZE_MAX;  // the write point, counted over both folders, that goes wrong
  bool failedWrite = false;       // a StoreError there rather than a crash
  bool powerCut = false;          // then only what reached the disk remains
  bool secondOpensFirst = false;
};

struct Result {
  std::vector<std::pair<std::filesystem::path, std::string>> points;  // folder and write point
  std::optional<StoreError> error;
  State state;                 // once both folders have been opened
  test::Snapshot openedFirst;  // the folder opened first, right after it opened
};

Result run(const Trial& trial, const std::function<void(Folders&)>& beforeOpening = {}) {
  Folders folders;
  Result result;
  {
    test::PowerCut firstDisk(folders.first), secondDisk(folders.second);
    Transaction first(folders.first), second(folders.second);
    stage(first, second);
    const auto hook = [&](const std::filesystem::path& folder) {
      return [&result, &trial, folder](const std::string& point) {
        const bool stop = result.points.size() == trial.stopAt;
        result.points.emplace_back(folder, point);
        if (stop && trial.failedWrite) throw StoreError(folder / "Activity.Dat", "The disk is full");
        if (stop) throw SimulatedCrash{};
      };
    };
    first.setFaultHook(hook(folders.first));
    second.setFaultHook(hook(folders.second));
    try {
      commitTogether(first, second);
    } catch (const StoreError& error) {
      result.error = error;
    } catch (const SimulatedCrash&) {
    }
    if (trial.powerCut) {
      firstDisk.cut();
      secondDisk.cut();
    }
  }
  if (beforeOpening) beforeOpening(folders);
  const auto& opened = trial.secondOpensFirst ? folders.second : folders.first;
  const auto& other = trial.secondOpensFirst ? folders.first : folders.second;
  Transaction{opened};
  result.openedFirst = test::snapshot(opened);
  if (std::filesystem::exists(other)) Transaction{other};
  const auto files = [](const std::filesystem::path& folder) {
    return std::filesystem::exists(folder) ? test::snapshot(folder) : test::Snapshot{};
  };
  result.state = {files(folders.first), files(folders.second)};
  return result;
}

State oldState() {
  Folders folders;
  return {test::snapshot(folders.first), test::snapshot(folders.second)};
}

}  // namespace

TEST(LinkedCommit, ACrashAtAnyWritePointLeavesBothFoldersOldOrBothNew) {
  const State before = oldState();
  const Result done = run({});
  const State after = done.state;
  ASSERT_FALSE(done.error.has_value());
  ASSERT_NE(before, after);
  ASSERT_GE(done.points.size(), 14u);
  // The first folder's journal is written, then the second's; sealing the first decides. After a
  // power cut, its sealing counts only once the folder's entries reached the disk.
  const struct {
    bool powerCut;
    bool secondOpensFirst;
    std::size_t oldUpTo;  // a crash before this point leaves the old state, from it the new
  } cases[] = {{false, false, 3}, {false, true, 3}, {true, false, 4}, {true, true, 4}};
  for (const auto& c : cases) {
    EXPECT_EQ(run({SIZE_MAX, false, c.powerCut, c.secondOpensFirst}).state, after);
    for (std::size_t k = 0; k < done.points.size(); ++k) {
      SCOPED_TRACE("crash at " + done.points[k].first.filename().string() + " " + done.points[k].second +
                   (c.powerCut ? ", power cut" : "") + (c.secondOpensFirst ? ", second opens first" : ""));
      const Result result = run({k, false, c.powerCut, c.secondOpensFirst});
      EXPECT_FALSE(result.error.has_value());
      EXPECT_EQ(result.state, k < c.oldUpTo ? before : after);
      // The folder opened first already holds its final files and no journal.
      EXPECT_EQ(result.openedFirst, c.secondOpensFirst ? result.state.second : result.state.first);
    }
  }
}

TEST(LinkedCommit, AFailedWriteAtAnyPointLeavesBothFoldersOldAndNamesTheFolder) {
  const State before = oldState();
  const Result done = run({});
  for (const bool powerCut : {false, true}) {
    for (std::size_t k = 0; k < done.points.size(); ++k) {
      const auto& [folder, point] = done.points[k];
      SCOPED_TRACE("failure at " + folder.filename().string() + " " + point +
                   (powerCut ? ", power cut" : ""));
      const Result result = run({k, true, powerCut, false});
      if (point == "remove journal") {  // the save stands; only a journal stayed behind
        EXPECT_FALSE(result.error.has_value());
        EXPECT_EQ(result.state, done.state);
        continue;
      }
      ASSERT_TRUE(result.error.has_value());
      const auto path = result.error->path();
      EXPECT_TRUE(path.filename() == folder.filename() || path.parent_path().filename() == folder.filename())
          << path;
      EXPECT_EQ(std::string(result.error->what()).find("completed the next time"), std::string::npos);
      EXPECT_EQ(result.state, before);
    }
  }
}

TEST(LinkedCommit, AJournalWhoseOtherHalfIsGoneIsDiscarded) {
  const State before = oldState();
  const auto removeFolder = [](std::filesystem::path Folders::*folder) {
    return [folder](Folders& folders) { std::filesystem::remove_all(folders.*folder); };
  };
  // The first folder's sealed journal made one of another save: its link names other stamps.
  const auto linkElsewhere = [](Folders& folders) {
    auto sealed = journal::decode(test::readFile(folders.first / kJournalName));
    ASSERT_TRUE(sealed.has_value() && sealed->link.has_value());
    std::uint64_t after = 0;
    std::string bytes = journal::encode(sealed->changes, sealed->stampBefore, after);
    journal::addLink(bytes,
                     {sealed->link->partner, sealed->link->partnerBefore, sealed->link->partnerAfter + 1});
    test::writeFile(folders.first / kJournalName, bytes);
  };
  // Crashes at point 2 leave both journals partial; at point 4 the first sealed, the second partial.
  const struct {
    const char* name;
    std::size_t crashAt;
    std::function<void(Folders&)> takeAway;
    bool secondOpens;
  } cases[] = {
      {"partial, other folder gone", 2, removeFolder(&Folders::first), true},
      {"partial, other folder without its journal", 2,
       [](Folders& folders) { std::filesystem::remove(folders.first / kPartialJournalName); }, true},
      {"partial beside a sealed one whose folder is gone", 4, removeFolder(&Folders::first), true},
      {"sealed, other folder gone", 4, removeFolder(&Folders::second), false},
      {"partial beside a sealed journal of another save", 4, linkElsewhere, true},
  };
  for (const auto& c : cases) {
    const Result result = run({c.crashAt, false, false, c.secondOpens}, c.takeAway);
    EXPECT_EQ(result.openedFirst, c.secondOpens ? before.second : before.first) << c.name;
  }
}

TEST(LinkedCommit, OneSideWithoutChangesIsAnOrdinaryCommitAndOneFolderTwiceIsRefused) {
  Folders folders;
  {  // nothing in the second folder: the first commits alone, with an unlinked journal
    Transaction first(folders.first), second(folders.second);
    first.writeWhole("New.Dat", "alone");
    std::optional<journal::Journal> journal;
    first.setFaultHook([&](const std::string& point) {
      if (point == "remove journal") journal = journal::decode(test::readFile(folders.first / kJournalName));
    });
    second.setFaultHook(
        [](const std::string& point) { ADD_FAILURE() << "second folder written at " << point; });
    commitTogether(first, second);
    ASSERT_TRUE(journal.has_value());
    EXPECT_FALSE(journal->link.has_value());
    EXPECT_EQ(test::readFile(folders.first / "New.Dat"), "alone");
  }
  const State before = {test::snapshot(folders.first), test::snapshot(folders.second)};
  std::filesystem::create_directory(folders.first / "sub");
  const struct {
    const char* name;
    std::filesystem::path other;
  } refused[] = {
      {"the same folder", folders.first},
      {"the same folder, spelt differently", folders.temp / "x" / ".." / "122026" / ""},
      {"a folder not beside it", folders.first / "sub"},
  };
  for (const auto& c : refused) {
    Transaction first(folders.first), other(c.other);
    first.writeWhole("A.Dat", "a");
    other.writeWhole("B.Dat", "b");
    EXPECT_THROW(commitTogether(first, other), StoreError) << c.name;
    EXPECT_EQ(State(test::snapshot(folders.first), test::snapshot(folders.second)), before) << c.name;
  }
}

TEST(LinkedCommit, ALinkedJournalKeepsItsLinkAndIsRefusedWhenDamagedOrLinkedOutsideTheParent) {
  std::vector<Transaction::Change> changes(1);
  changes[0].name = "A.Dat";
  changes[0].size = 4;
  changes[0].patches.push_back({0, "data"});
  std::uint64_t after = 0;
  const std::string unlinked = journal::encode(changes, 7, after);
  std::string bytes = unlinked;
  journal::addLink(bytes, {"112026", 11, 12});
  const auto decoded = journal::decode(bytes);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->stampBefore, 7u);
  EXPECT_EQ(decoded->stampAfter, after);
  ASSERT_TRUE(decoded->link.has_value());
  EXPECT_EQ(decoded->link->partner, "112026");
  EXPECT_EQ(decoded->link->partnerBefore, 11u);
  EXPECT_EQ(decoded->link->partnerAfter, 12u);
  EXPECT_FALSE(journal::decode(unlinked)->link.has_value());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::string damaged = bytes;
    damaged[i] = static_cast<char>(damaged[i] ^ 0x10);
    EXPECT_FALSE(journal::decode(damaged).has_value()) << "byte " << i;
  }
  const std::vector<std::string> notPlain = {
      "", ".", "..", "../112026", "VRK DATA FILES/112026", "..\\112026", std::string("112026\0x", 8)};
  for (const auto& partner : notPlain) {
    std::string linked = unlinked;
    journal::addLink(linked, {partner, 11, 12});
    EXPECT_FALSE(journal::decode(linked).has_value()) << partner;
  }
}

}  // namespace vrk::store
