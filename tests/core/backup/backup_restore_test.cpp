#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/backup/backup_data_files.h"
#include "core/backup/backup_location.h"
#include "core/backup/copy_check.h"
#include "core/backup/restore_data_files.h"
#include "core/store/transaction.h"
#include "support/temp_folder.h"

namespace vrk::backup {
namespace {

namespace fs = std::filesystem;
using dialog::Closing;
using dialog::Message;
using dialog::MessageKind;
using Files = std::map<std::string, std::string>;  // relative path -> bytes

// A plain std::filesystem copier that counts what it copies and fails on demand: every copy, or
// only the copy numbered `failingCopy` (from 1). A copy that fails has copied what it could. One
// that reports success may still have spoilt the copy numbered `damagedCopy` with `damage`.
class TestCopier : public services::FolderCopier {
 public:
  services::CopyResult copyTo(const fs::path& source, const fs::path& target,
                              const Progress& progress) override {
    ++copies;
    services::CopyResult result;
    for (const auto& entry : fs::recursive_directory_iterator(source))
      ++(entry.is_directory() ? result.folders : result.files);
    std::error_code error;
    fs::create_directories(target, error);
    fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    if (progress) progress({1, 1, 1, 1});
    if (!failure.empty() && (failingCopy == 0 || failingCopy == copies)) return {false, failure};
    if (error) return {false, error.message()};
    if (damage && damagedCopy == copies) damage(target);
    return result;
  }
  int copies = 0;
  std::string failure;
  int failingCopy = 0;
  std::function<void(const fs::path& target)> damage;
  int damagedCopy = 0;
};

Files files(const fs::path& root) {
  Files found;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file() && entry.path().filename() != ".vrk-folder-stamp")  // written by every save
      found[entry.path().lexically_relative(root).generic_string()] = test::readFile(entry.path());
  return found;
}

void put(const fs::path& root, const Files& contents) {
  for (const auto& [name, bytes] : contents) {
    fs::create_directories((root / name).parent_path());
    test::writeFile(root / name, bytes);
  }
}

int entries(const fs::path& folder) {
  return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

const Files kData = {{"072001/ClientCodes.Dat", "NEW"}, {"082001/Dimensions.Dat", "counts"}};
const Files kEarlier = {{"072001/ClientCodes.Dat", "OLD"}, {"062001/Old.Dat", "keep"}};

class BackupRestore : public ::testing::Test {
 protected:
  void SetUp() override {
    put(data(), kData);
    fs::create_directories(saveDir());
    settings.writeString(services::kDataFilesPath, (data() / "").string());
    settings.writeString(services::kBackupDataFilesPath, "/");
  }
  fs::path data() const { return folder / "office" / "VRK DATA FILES"; }
  fs::path saveDir() const { return folder / "save"; }
  // The copy a restore at the fixed clock keeps of the data directory.
  fs::path kept(const std::string& suffix = "") const {
    return folder / "office" / ("VRK DATA FILES before restore 2001-07-05 090305" + suffix);
  }
  std::string backupSetting() const { return settings.readString(services::kBackupDataFilesPath); }

  dialog::Outcome save(const fs::path& selected, bool yes = true) {
    prompter = dialog::FixedPrompter(yes);
    steps.clear();
    return BackupDataFiles(settings, copier).save(selected.string(), prompter, [this](int s) {
      steps.push_back(s);
    });
  }
  dialog::Outcome restore(const fs::path& selected) {
    steps.clear();
    return RestoreDataFiles(settings, copier, clock).restore(selected.string(), prompter, [this](int s) {
      steps.push_back(s);
    });
  }

  test::TempFolder folder;
  services::MemorySettingsStore settings;
  TestCopier copier;
  services::FixedClock clock{{2001, 7, 5}, {9, 3, 5}};
  dialog::FixedPrompter prompter{true};
  std::vector<int> steps;
};

TEST_F(BackupRestore, AFirstBackupLandsUnderTheDataDirectorysNameWithoutAQuestion) {
  const auto outcome = save(saveDir().string() + "/");
  EXPECT_EQ(outcome.closing, Closing::Ok);
  const std::string done = "THE BACKUP IS COMPLETE\r\n2 FILES IN 2 FOLDERS WERE COPIED TO\r\n";
  EXPECT_EQ(
      outcome.messages,
      (std::vector<Message>{{MessageKind::Information, done + (saveDir() / "VRK DATA FILES").string()}}));
  EXPECT_EQ(files(saveDir() / "VRK DATA FILES"), kData);
  EXPECT_EQ(backupSetting(), saveDir().string());
  // The copy, then the check of each of its two files, then done.
  EXPECT_EQ(steps, (std::vector<int>{kCopyStarted, kCopyHalfDone, kCopyHalfDone, kCopyHalfDone, kCopyDone}));
}

TEST_F(BackupRestore, AnEarlierBackupIsMergedIntoOnlyAfterYes) {
  struct Case {
    const char* earlierName;
    bool selectItself;  // the backup folder selected, not the folder holding it
    bool yes;
  };
  const Case cases[] = {
      {"VRK DATA FILES", false, true}, {"VRK Data Files", false, true},  {"VRK DATA FILES", true, true},
      {"VRK Data Files", true, true},  {"VRK DATA FILES", false, false}, {"VRK Data Files", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.earlierName) + (c.selectItself ? " itself" : " inside") +
                 (c.yes ? " Yes" : " No"));
    fs::remove_all(saveDir());
    put(saveDir() / c.earlierName, kEarlier);
    const fs::path selected = c.selectItself ? saveDir() / c.earlierName : saveDir();
    const auto outcome = save(selected, c.yes);
    EXPECT_EQ(outcome.closing, Closing::Ok);
    std::vector<Message> messages = {{MessageKind::Confirmation, kOverwriteExistingBackupFiles, true}};
    if (c.yes)
      messages.push_back(
          {MessageKind::Information, "THE BACKUP IS COMPLETE\r\n2 FILES IN 2 FOLDERS WERE COPIED TO\r\n" +
                                         (saveDir() / c.earlierName).string()});
    EXPECT_EQ(outcome.messages, messages);  // the copy went to the earlier backup, whatever was selected
    EXPECT_EQ(backupSetting(), selected.string());  // never the parent the copy went to
    EXPECT_EQ(entries(saveDir()), 1);               // merged, whichever the spelling: no second folder
    Files expected = kEarlier;
    if (c.yes)
      expected = {
          {"072001/ClientCodes.Dat", "NEW"}, {"082001/Dimensions.Dat", "counts"}, {"062001/Old.Dat", "keep"}};
    EXPECT_EQ(files(saveDir() / c.earlierName), expected);
  }
}

TEST_F(BackupRestore, RefusalsStayOpenAskNothingAndWriteNothing) {
  fs::create_directories(saveDir() / "vrk data files");
  const fs::path holder = folder / "VRK Data Files";  // holds a second data directory
  put(holder / "VRK DATA FILES", kData);
  const std::string missing = std::string(kSelectedDirectoryMissing) + "\r\n" + (folder / "gone").string();
  const std::string intoData = std::string(kBackupIntoDataDirectory) + "\r\n" + data().string();
  struct Case {
    bool backup;
    fs::path selected;
    std::string message;
    fs::path dataDirectory = {};  // the fixture's when empty
  };
  const Case cases[] = {
      {true, folder / "gone", missing},
      {true, data(), intoData},
      {true, data() / "072001", intoData},
      {true, folder / "office", intoData},  // its backup folder would be the data directory
      {false, saveDir(), kSelectDataFilesDirectory},
      {false, saveDir() / "vrk data files", kSelectDataFilesDirectory},
      {false, "", kSelectDataFilesDirectory},
      {false, folder / "gone" / "VRK DATA FILES",
       std::string(kSelectedDirectoryMissing) + "\r\n" + (folder / "gone" / "VRK DATA FILES").string()},
      {false, data(), std::string(kRestoreFromDataDirectory) + "\r\n" + data().string()},
      {false, holder, std::string(kRestoreFromDataDirectory) + "\r\n" + (holder / "VRK DATA FILES").string(),
       holder / "VRK DATA FILES"},
      // A backup kept inside the data directory, and a backup folder holding the data directory.
      {false, data() / "062001" / "VRK DATA FILES",
       std::string(kRestoreFromDataDirectory) + "\r\n" + data().string()},
      {true, folder.path(),
       std::string(kBackupIntoDataDirectory) + "\r\n" + (holder / "VRK DATA FILES").string(),
       holder / "VRK DATA FILES"},
  };
  fs::create_directories(data() / "062001" / "VRK DATA FILES");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected);
    settings.writeString(services::kDataFilesPath,
                         (c.dataDirectory.empty() ? data() : c.dataDirectory).string());
    const auto outcome = c.backup ? save(c.selected) : restore(c.selected);
    EXPECT_EQ(outcome.closing, Closing::Stay);
    EXPECT_EQ(outcome.messages, (std::vector<Message>{{MessageKind::Error, c.message}}));
  }
  EXPECT_EQ(prompter.questionsAsked(), 0);
  EXPECT_EQ(copier.copies, 0);
  EXPECT_EQ(backupSetting(), "/");
}

TEST_F(BackupRestore, AFailedCopyIsReportedAndKeepsTheDialogOpen) {
  fs::create_directories(saveDir() / "VRK DATA FILES");
  fs::create_directories(folder / "other");
  copier.failure = "The file \"x\" cannot be written: No space left on device.";
  struct Case {
    bool backup;
    int failingCopy;  // a restore first copies the data directory, then the backup
    std::string heading;
    std::vector<int> steps;
  };
  const Case cases[] = {
      {true, 1, kBackupFailed, {kCopyStarted, kCopyHalfDone}},
      {false, 1, kDataFilesNotKept, {kCopyStarted, kCopyStarted}},
      // The kept copy: its start, its copy, the check of its two files and its end, all kCopyStarted.
      {false, 2, kRestoreFailed, {kCopyStarted, kCopyStarted, kCopyStarted, kCopyStarted, kCopyStarted,
                                  kCopyStarted, kCopyHalfDone}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heading);
    copier.copies = 0;
    copier.failingCopy = c.failingCopy;
    const auto outcome = c.backup ? save(folder / "other") : restore(saveDir() / "VRK DATA FILES");
    EXPECT_EQ(outcome.closing, Closing::Stay);
    EXPECT_EQ(outcome.messages,
              (std::vector<Message>{{MessageKind::Error, c.heading + "\r\n" + copier.failure}}));
    EXPECT_EQ(steps, c.steps);  // never kCopyDone
    EXPECT_EQ(copier.copies, c.failingCopy);
  }
}

// Every file and folder below `root`, files with their bytes, the folder stamp included.
Files everything(const fs::path& root) {
  Files found;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    found[entry.path().lexically_relative(root).generic_string()] =
        entry.is_directory() ? "(folder)" : test::readFile(entry.path());
  return found;
}

int fileCount(const Files& found) {
  return static_cast<int>(std::count_if(found.begin(), found.end(), [](const auto& entry) {
    return entry.second != "(folder)";
  }));
}

TEST_F(BackupRestore, RestoreFirstKeepsTheDataDirectoryByteForByteUnderANameOfItsOwn) {
  put(data(), {{"072001/.vrk-folder-stamp", std::string("\0\x01\xff\r\n\x7f\x80\0", 8)},
               {"072001/ClientData.Dat", std::string(3000, '\xa7') + std::string("\0\r\n", 3)},
               {"062001/Nested/Note.Dat", ""}});
  fs::create_directories(data() / "092001");
  put(saveDir() / "VRK DATA FILES", kEarlier);
  const std::string suffixes[] = {"", " (2)", " (3)"};  // the clock stands still: the same second
  std::vector<Files> before;
  for (const std::string& suffix : suffixes) {
    SCOPED_TRACE(suffix);
    put(data(), {{"082001/Dimensions.Dat", "changed since" + suffix}});
    before.push_back(everything(data()));
    const auto outcome = restore(saveDir() / "VRK DATA FILES");
    EXPECT_EQ(outcome.closing, Closing::Ok);
    EXPECT_EQ(outcome.messages,
              (std::vector<Message>{{MessageKind::Information,
                                     "THE RESTORE IS COMPLETE\r\n2 FILES IN 2 FOLDERS WERE COPIED FROM\r\n" +
                                         (saveDir() / "VRK DATA FILES").string() +
                                         "\r\nTHE DATA FILES AS THEY WERE ARE KEPT IN\r\n" +
                                         kept(suffix).string()}}));
    // The kept copy's steps never reach kCopyDone: only the restore's own copy, checked, ends the
    // progress. Each check takes a step per file.
    std::vector<int> expected(3 + fileCount(before.back()), kCopyStarted);
    expected.insert(expected.end(), {kCopyStarted, kCopyHalfDone, kCopyHalfDone, kCopyHalfDone, kCopyDone});
    EXPECT_EQ(steps, expected);
  }
  for (std::size_t k = 0; k < before.size(); ++k)
    EXPECT_EQ(everything(kept(suffixes[k])), before[k]) << suffixes[k];  // none overwritten by the next
  EXPECT_EQ(entries(folder / "office"), 4);
}

TEST_F(BackupRestore, AFailedSafetyCopyLeavesTheDataDirectoryAndNoPartialCopy) {
  put(saveDir() / "VRK DATA FILES", kEarlier);
  const Files untouched = everything(data());
  copier.failure = "The file \"x\" cannot be written: No space left on device.";
  copier.failingCopy = 1;
  const auto outcome = restore(saveDir() / "VRK DATA FILES");
  EXPECT_EQ(outcome.closing, Closing::Stay);
  EXPECT_EQ(
      outcome.messages,
      (std::vector<Message>{{MessageKind::Error,
                             "THE DATA FILES COULD NOT BE SAVED BEFORE THE RESTORE\r\n" + copier.failure}}));
  EXPECT_EQ(copier.copies, 1);
  EXPECT_EQ(everything(data()), untouched);
  EXPECT_FALSE(fs::exists(kept()));  // the copier had copied some of it
}

TEST_F(BackupRestore, ACopyNotEqualToItsOriginalIsReportedNamingTheFile) {
  const auto flipByte = [](const std::string& name) {
    return [name](const fs::path& target) {
      std::string bytes = test::readFile(target / name);
      bytes[1] = static_cast<char>(bytes[1] ^ 0x20);
      test::writeFile(target / name, bytes);
    };
  };
  const auto drop = [](const std::string& name) {
    return [name](const fs::path& target) { fs::remove(target / name); };
  };
  const std::string keptIn = "\r\nTHE DATA FILES AS THEY WERE ARE KEPT IN\r\n" + kept().string();
  struct Case {
    const char* what;
    bool backup;
    int damagedCopy;  // a restore first keeps a copy of the data directory, then copies the backup
    std::function<void(const fs::path&)> damage;
    std::string message;
  };
  const Case cases[] = {
      {"backup, a byte flipped", true, 1, flipByte("082001/Dimensions.Dat"),
       "THE BACKUP COPY OF 082001/Dimensions.Dat DIFFERS FROM THE ORIGINAL\r\nTHE BACKUP IS NOT COMPLETE"},
      {"backup, a file dropped", true, 1, drop("072001/ClientCodes.Dat"),
       "THE BACKUP COPY OF 072001/ClientCodes.Dat DIFFERS FROM THE ORIGINAL\r\nTHE BACKUP IS NOT COMPLETE"},
      {"restore, a byte flipped", false, 2, flipByte("062001/Old.Dat"),
       "THE RESTORED COPY OF 062001/Old.Dat DIFFERS FROM THE BACKUP\r\nTHE DATA FILES WERE NOT RESTORED" +
           keptIn},
      {"restore, a file dropped", false, 2, drop("072001/ClientCodes.Dat"),
       "THE RESTORED COPY OF 072001/ClientCodes.Dat DIFFERS FROM THE BACKUP\r\nTHE DATA FILES WERE NOT RESTORED" +
           keptIn},
      {"restore, the kept copy spoilt", false, 1, flipByte("072001/ClientCodes.Dat"),
       "THE DATA FILES COULD NOT BE SAVED BEFORE THE RESTORE\r\n"
       "THE KEPT COPY OF 072001/ClientCodes.Dat DIFFERS FROM THE ORIGINAL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(saveDir());
    fs::remove_all(kept());
    fs::create_directories(saveDir());
    if (!c.backup) put(saveDir() / "VRK DATA FILES", kEarlier);
    fs::remove_all(data());
    put(data(), kData);
    copier.copies = 0;
    copier.damage = c.damage;
    copier.damagedCopy = c.damagedCopy;
    const auto outcome = c.backup ? save(saveDir()) : restore(saveDir() / "VRK DATA FILES");
    EXPECT_EQ(outcome.closing, Closing::Stay);
    EXPECT_EQ(outcome.messages, (std::vector<Message>{{MessageKind::Error, c.message}}));
    EXPECT_EQ(std::count(steps.begin(), steps.end(), kCopyDone), 0);
    EXPECT_EQ(copier.copies, c.damagedCopy);
    if (!c.backup) {
      EXPECT_EQ(fs::exists(kept()), c.damagedCopy == 2);  // a spoilt kept copy is removed
    }
  }
  // Undamaged, the same copy ends as it always did.
  copier.damage = nullptr;
  fs::remove_all(saveDir());
  fs::create_directories(saveDir());
  fs::remove_all(data());
  put(data(), kData);
  const auto outcome = save(saveDir());
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].text,
            "THE BACKUP IS COMPLETE\r\n2 FILES IN 2 FOLDERS WERE COPIED TO\r\n" +
                (saveDir() / "VRK DATA FILES").string());
}

TEST_F(BackupRestore, RestoreIntoADataDirectoryNotThereYetKeepsNothing) {
  fs::remove_all(data());
  put(saveDir() / "VRK DATA FILES", kEarlier);
  const auto outcome = restore(saveDir() / "VRK DATA FILES");
  EXPECT_EQ(outcome.closing, Closing::Ok);
  const std::string done = "THE RESTORE IS COMPLETE\r\n2 FILES IN 2 FOLDERS WERE COPIED FROM\r\n";
  EXPECT_EQ(
      outcome.messages,  // nothing was there to keep
      (std::vector<Message>{{MessageKind::Information, done + (saveDir() / "VRK DATA FILES").string()}}));
  EXPECT_EQ(copier.copies, 1);
  EXPECT_EQ(files(data()), kEarlier);
  EXPECT_EQ(entries(folder / "office"), 1);
}

TEST_F(BackupRestore, RestoreMergesIntoTheDataDirectoryItselfWhateverTheBackupsSpelling) {
  for (const char* name : {"VRK DATA FILES", "VRK Data Files"}) {
    SCOPED_TRACE(name);
    fs::remove_all(saveDir());
    put(saveDir() / name, kEarlier);
    put(data(), kData);
    fs::remove_all(kept());
    const auto outcome = restore((saveDir() / name / "").string());
    EXPECT_EQ(outcome.closing, Closing::Ok);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(backupSetting(), (saveDir() / name).string());
    EXPECT_EQ(files(data()), (Files{{"072001/ClientCodes.Dat", "OLD"},
                                    {"082001/Dimensions.Dat", "counts"},
                                    {"062001/Old.Dat", "keep"}}));
    EXPECT_EQ(entries(folder / "office"), 2);  // the data directory and the copy kept of it
  }
  EXPECT_EQ(prompter.questionsAsked(), 0);
}

// Leaves `folder` as a crash would after the journal of a save of `name` was sealed.
void interruptedSave(const fs::path& folder, const std::string& name, const std::string& bytes) {
  struct Crash {};
  store::Transaction tx(folder);
  tx.writeWhole(name, bytes);
  tx.setFaultHook([](const std::string& point) {
    if (point.starts_with("apply")) throw Crash{};
  });
  EXPECT_THROW(tx.commit(), Crash);
  ASSERT_TRUE(fs::exists(folder / store::kJournalName));
}

TEST_F(BackupRestore, AnInterruptedSaveIsFinishedBeforeEitherCopyAndNoJournalIsCarried) {
  // Backup: the copy holds the finished save, not the files from before it.
  interruptedSave(data() / "072001", "ClientCodes.Dat", "SAVED");
  ASSERT_EQ(save(saveDir()).closing, Closing::Ok);
  EXPECT_EQ(files(saveDir() / "VRK DATA FILES"),
            (Files{{"072001/ClientCodes.Dat", "SAVED"}, {"082001/Dimensions.Dat", "counts"}}));

  // Restore: a save interrupted in the data directory must not be replayed over the restored files
  // the next time the billing period is opened.
  interruptedSave(data() / "072001", "ClientCodes.Dat", "STALE");
  put(saveDir() / "VRK DATA FILES", kEarlier);
  ASSERT_EQ(restore(saveDir() / "VRK DATA FILES").closing, Closing::Ok);
  store::Transaction reopened(data() / "072001");
  EXPECT_EQ(files(data()), (Files{{"072001/ClientCodes.Dat", "OLD"},
                                  {"082001/Dimensions.Dat", "counts"},
                                  {"062001/Old.Dat", "keep"}}));
}

TEST_F(BackupRestore, DialogsOpenAtTheLastBackupDirectoryElseAtARoot) {
  const std::pair<std::string, std::string> cases[] = {
      {saveDir().string() + "/", saveDir().string()},
      {(folder / "gone" / "deeper").string(), "/"},
      {"", fs::current_path().root_path().string()},
  };
  for (const auto& [setting, opens] : cases) {
    settings.writeString(services::kBackupDataFilesPath, setting);
    EXPECT_EQ(BackupDataFiles(settings, copier).openingDirectory(), opens) << setting;
    EXPECT_EQ(RestoreDataFiles(settings, copier, clock).openingDirectory(), opens) << setting;
  }
}

}  // namespace
}  // namespace vrk::backup
