#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include "core/store/folder_lock.h"
#include "core/store/transaction.h"
#include "platform/folder_locking.h"
#include "support/temp_folder.h"

namespace vrk::platform {
namespace {

class FolderLocking : public ::testing::Test {
 protected:
  void SetUp() override { installFolderLocking(std::chrono::milliseconds(300)); }
  void TearDown() override {
    store::setFolderLocker({});
    if (holder_.state() != QProcess::NotRunning) {
      holder_.kill();
      holder_.waitForFinished();
    }
  }

  // Another program holding the folder's lock, as a copy of this test program in its helper mode.
  void holdInAnotherProcess() {
    const auto path = folder_.path() / store::kLockName;
    holder_.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--hold-instance-lock"), QString::fromStdString(path.string())});
    ASSERT_TRUE(holder_.waitForReadyRead(20000)) << "helper process did not take the lock";
  }

  void save(const std::string& name, const std::string& bytes) {
    store::Transaction tx(folder_.path());
    tx.writeWhole(name, bytes);
    tx.commit();
  }

  test::TempFolder folder_;
  QProcess holder_;
};

TEST_F(FolderLocking, SecondWriterIsToldTheFolderIsInUseAndWritesNothing) {
  save("A.Dat", "old");
  holdInAnotherProcess();
  const auto before = test::snapshot(folder_.path());
  QElapsedTimer waited;
  waited.start();
  try {
    save("A.Dat", "new");
    FAIL() << "the save went ahead while another program held the folder";
  } catch (const store::FolderInUseError& error) {
    EXPECT_STREQ(error.what(), "THE DATA FILES ARE IN USE BY ANOTHER PROGRAM\r\nTRY AGAIN IN A MOMENT");
    EXPECT_EQ(error.path(), folder_.path());
  }
  EXPECT_GE(waited.elapsed(), 250) << "a writer waits a moment before giving up";
  EXPECT_EQ(test::snapshot(folder_.path()), before);

  holder_.kill();  // the holder dies with its lock file left behind: the next save takes it over
  holder_.waitForFinished();
  ASSERT_TRUE(std::filesystem::exists(folder_.path() / store::kLockName));
  save("A.Dat", "new");
  EXPECT_EQ(test::readFile(folder_.path() / "A.Dat"), "new");
}

TEST_F(FolderLocking, AnEmptyLockFileOfAKilledProgramIsTakenOver) {
  // Killed between creating its lock file and writing its process id into it.
  const auto lock = folder_.path() / store::kLockName;
  test::writeFile(lock, "");
  std::filesystem::last_write_time(lock, std::filesystem::file_time_type::clock::now() - std::chrono::seconds(5));
  save("A.Dat", "saved");
  EXPECT_EQ(test::readFile(folder_.path() / "A.Dat"), "saved");
}

TEST_F(FolderLocking, LockIsSharedWithinTheProgramAndLetGoWithTheLastTransaction) {
  {
    store::Transaction outer(folder_.path());
    save("A.Dat", "inner");  // a second transaction on the same folder in the same program
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / store::kLockName));
  }
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / store::kLockName));
  holdInAnotherProcess();  // nothing of ours still holds it
  EXPECT_THROW(save("A.Dat", "x"), store::FolderInUseError);
}

}  // namespace
}  // namespace vrk::platform
