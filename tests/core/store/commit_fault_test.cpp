// Stops a commit at every write point, as a crash would, and shows that reopening the folder
// gives exactly the old or the new state.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "core/store/journal.h"
#include "core/store/record_table.h"
#include "core/store/store_error.h"
#include "core/store/tables.h"
#include "support/power_cut.h"
#include "support/temp_folder.h"

namespace vrk::store {
namespace {

struct SimulatedCrash {};

using Operation = std::function<void(RecordTable&)>;

// Writes the first half of every patch of a change, as a write cut short by a crash would.
void tearWrite(const std::filesystem::path& folder, const std::string& name) {
  const auto changes = journal::decode(test::readFile(folder / kJournalName));
  ASSERT_TRUE(changes.has_value());
  for (auto change : changes->changes) {
    if (change.name != name || change.removed) continue;
    for (auto& patch : change.patches) patch.bytes.resize(patch.bytes.size() / 2);
    change.size = std::filesystem::exists(folder / name) ? std::filesystem::file_size(folder / name) : 0;
    for (const auto& patch : change.patches)
      change.size = std::max(change.size, patch.offset + patch.bytes.size());
    journal::apply(folder, change);
  }
}

enum class Crash { None, Process, PowerCut };

// Runs the operation on a fresh copy of the sample office; `hook` sees every write point. A power
// cut after the crash (or after the commit) also loses every write that was not synced.
test::Snapshot run(const Operation& operation,
                   const std::function<void(const std::filesystem::path&, const std::string&)>& hook,
                   bool expectCrash, Crash crash = Crash::Process) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  {
    test::PowerCut power(folder);
    Transaction tx(folder);
    RecordTable table(timeRecordTable(), tx);
    operation(table);
    tx.setFaultHook([&](const std::string& point) { hook(folder, point); });
    if (expectCrash) {
      EXPECT_THROW(tx.commit(), SimulatedCrash);
    } else {
      tx.commit();
    }
    if (crash == Crash::PowerCut) power.cut();
  }
  Transaction reopened(folder);  // completes or discards what the crash left
  return test::snapshot(folder);
}

test::Snapshot original() {
  test::TempFolder temp;
  return test::snapshot(test::copySampleOffice(temp.path()));
}

void crashAtEveryPoint(const Operation& operation, bool tearTheWrite, Crash crash = Crash::Process) {
  std::vector<std::string> points;
  const auto after = run(
      operation, [&](const std::filesystem::path&, const std::string& point) { points.push_back(point); },
      false);
  const auto before = original();
  ASSERT_NE(before, after);
  ASSERT_GE(points.size(), 6u);
  // A save reported done survives a power cut.
  EXPECT_EQ(run(
                operation, [](const auto&, const auto&) {}, false, Crash::PowerCut),
            after);

  int old = 0, completed = 0;
  for (std::size_t k = 0; k < points.size(); ++k) {
    SCOPED_TRACE("crash at " + points[k]);
    std::size_t seen = 0;
    const auto state = run(
        operation,
        [&](const std::filesystem::path& folder, const std::string& point) {
          if (seen++ != k) return;
          if (tearTheWrite && point.rfind("apply ", 0) == 0) tearWrite(folder, point.substr(6));
          throw SimulatedCrash{};
        },
        true, crash);
    if (state == before) {
      ++old;
    } else {
      EXPECT_EQ(state, after);
      ++completed;
    }
    // The journal never outlives the reopening.
    EXPECT_EQ(state.count(kJournalName), 0u);
    EXPECT_EQ(state.count(kPartialJournalName), 0u);
  }
  // Before the journal is written and before it is sealed; after a power cut also before the
  // sealing reached the disk. From then on the journal completes the save.
  const int undone = crash == Crash::PowerCut ? 3 : 2;
  EXPECT_EQ(old, undone);
  EXPECT_EQ(completed, static_cast<int>(points.size()) - undone);
}

}  // namespace

TEST(CommitFaults, AnAddThatTakesAFreeSlotIsAllOrNothing) {
  crashAtEveryPoint(
      [](RecordTable& table) {
        table.add({std::string("ACME"), std::string("1"), 37075.0}, std::string(kTimeRecordSize, 'N'));
      },
      false);
}

TEST(CommitFaults, ADeleteThatFreesASlotIsAllOrNothing) {
  crashAtEveryPoint([](RecordTable& table) { table.remove(1); }, false);
}

TEST(CommitFaults, APowerCutKeepsOnlySyncedWritesAndTheSaveIsStillAllOrNothing) {
  const Operation add = [](RecordTable& table) {
    table.add({std::string("ACME"), std::string("1"), 37075.0}, std::string(kTimeRecordSize, 'N'));
  };
  crashAtEveryPoint(add, false, Crash::PowerCut);
  crashAtEveryPoint([](RecordTable& table) { table.remove(1); }, false, Crash::PowerCut);
}

TEST(CommitFaults, ASaveReportedFailedStaysUndoneAfterAPowerCut) {
  // The undo and the journal's removal must both reach the disk, or the journal found after the
  // power cut would apply the save the user was told had failed.
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  const auto before = test::snapshot(folder);
  {
    test::PowerCut power(folder);
    Transaction tx(folder);
    RecordTable(timeRecordTable(), tx)
        .add({std::string("ACME"), std::string("1"), 37075.0}, std::string(kTimeRecordSize, 'N'));
    tx.setFaultHook([&](const std::string& point) {
      if (point == "apply .vrk-folder-stamp") throw StoreError(folder / "TimeRecordData.Dat", "disk full");
    });
    EXPECT_THROW(tx.commit(), StoreError);
    power.cut();
  }
  Transaction reopened(folder);
  EXPECT_EQ(test::snapshot(folder), before);
}

TEST(CommitFaults, AWriteCutShortByTheCrashIsRepairedToo) {
  crashAtEveryPoint(
      [](RecordTable& table) {
        table.add({std::string("AAA"), std::string("0"), 37075.0}, std::string(kTimeRecordSize, 'N'));
      },
      true);
  crashAtEveryPoint([](RecordTable& table) { table.remove(0); }, true);
}

}  // namespace vrk::store

namespace vrk::store {
namespace {

// Lowers the largest file size this process may write, as a nearly full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

}  // namespace

TEST(CommitFaults, AFullDiskLeavesTheOldStateAndNamesWhatFailed) {
  struct Case {
    rlim_t limit;
    const char* failing;  // the journal does not fit, or the data file cannot grow
  };
  const Case cases[] = {{100, "072001"}, {1600, "TimeRecordData.Dat"}};
  for (const auto& c : cases) {
    test::TempFolder temp;
    const auto folder = test::copySampleOffice(temp.path());
    {
      Transaction tx(folder);  // takes the free slot, so the next add must grow the data file
      RecordTable(timeRecordTable(), tx)
          .add({std::string("ZED"), std::string("0"), 37080.0}, std::string(kTimeRecordSize, 'a'));
      tx.commit();
    }
    const auto before = test::snapshot(folder);
    try {
      Transaction tx(folder);
      RecordTable(timeRecordTable(), tx)
          .add({std::string("AAA"), std::string("0"), 37080.0}, std::string(kTimeRecordSize, 'b'));
      FileSizeLimit full(c.limit);
      tx.commit();
      ADD_FAILURE() << "commit should fail at limit " << c.limit;
    } catch (const StoreError& error) {
      EXPECT_EQ(error.path().filename(), c.failing);
    }
    EXPECT_EQ(test::snapshot(folder), before) << "limit " << c.limit;
  }
}

}  // namespace vrk::store
