#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "platform/folder_copier.h"

namespace vrk::platform {
namespace {

namespace fs = std::filesystem;
using services::CopyProgress;
using Tree = std::map<std::string, std::string>;  // relative path -> contents ("/" marks a folder)

void writeFile(const fs::path& path, const std::string& contents) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << contents;
}

void build(const fs::path& root, const Tree& tree) {
  fs::create_directories(root);
  for (const auto& [name, contents] : tree) {
    if (contents == "/") {
      fs::create_directories(root / name);
    } else {
      writeFile(root / name, contents);
    }
  }
}

Tree read(const fs::path& root) {
  Tree tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = entry.path().lexically_relative(root).generic_string();
    if (entry.is_directory()) {
      tree[name] = "/";
    } else {
      std::ostringstream contents;
      contents << std::ifstream(entry.path(), std::ios::binary).rdbuf();
      tree[name] = contents.str();
    }
  }
  return tree;
}

class FolderCopy : public ::testing::Test {
 public:
  fs::path base() const { return fs::path(dir_.path().toStdString()); }
  fs::path source() const { return base() / "office" / "VRK DATA FILES"; }
  fs::path destination() const { return base() / "backup"; }
  fs::path copied() const { return destination() / "VRK DATA FILES"; }

 protected:
  services::CopyResult copy(const fs::path& from, const fs::path& into) {
    progress_.clear();
    return RecursiveFolderCopier().copyInto(from, into,
                                            [this](const CopyProgress& p) { progress_.push_back(p); });
  }

  QTemporaryDir dir_;
  std::vector<CopyProgress> progress_;
};

const Tree kOffice = {
    {"072001/ClientCodes.Dat", "ABC\r\nXYZ\r\n"},
    {"072001/Dimensions.Dat", std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8)},
    {"072001/Empty.Dat", ""},
    {"082001", "/"},
    {"092001/Nested/Deeper/Note.Dat", "deep"},
};

TEST_F(FolderCopy, CopiesTheFolderUnderItsOwnNameWithNothingElse) {
  build(source(), kOffice);
  const auto result = copy(source(), destination());
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(read(copied()), read(source()));
  EXPECT_EQ(result.files, 4);
  EXPECT_EQ(result.folders, 5);  // 072001, 082001, 092001 and the two inside 092001
  EXPECT_EQ(read(destination()).size(), read(source()).size() + 1);  // no stray temporary files
}

TEST_F(FolderCopy, LeavesOutTheLockFilesOfTheFoldersItCopies) {
  build(source(), {{"072001/ClientCodes.Dat", "ABC\r\n"}, {"072001/.vrk-lock", "4242\nvrk\nhost\n"},
                   {"072001/.vrk-lock.rmlock", ""}});
  ASSERT_TRUE(copy(source(), destination()).ok);
  EXPECT_EQ(read(copied()), (Tree{{"072001", "/"}, {"072001/ClientCodes.Dat", "ABC\r\n"}}));
}

TEST_F(FolderCopy, MergesIntoAnEarlierCopy) {
  build(source(), {{"072001/ClientCodes.Dat", "NEW\r\n"}});
  build(copied(), {{"072001/ClientCodes.Dat", "OLD CONTENTS LONGER\r\n"},
                   {"072001/OnlyHere.Dat", "keep"},
                   {"062001/Old.Dat", "keep too"}});
  writeFile(destination() / "unrelated.txt", "untouched");
  const auto result = copy(source(), destination());
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.files, 1);  // what was copied, not what the destination holds
  EXPECT_EQ(result.folders, 1);
  const Tree expected = {{"072001", "/"},
                         {"072001/ClientCodes.Dat", "NEW\r\n"},
                         {"072001/OnlyHere.Dat", "keep"},
                         {"062001", "/"},
                         {"062001/Old.Dat", "keep too"}};
  EXPECT_EQ(read(copied()), expected);
  EXPECT_EQ(read(destination())["unrelated.txt"], "untouched");
}

TEST_F(FolderCopy, ReportsProgressUpToTheTotals) {
  const std::string large(std::size_t{700} * 1024, 'x');  // several chunks
  build(source(), {{"a/Large.Dat", large}, {"b/Small.Dat", "12345"}, {"b/Empty.Dat", ""}});
  ASSERT_TRUE(copy(source(), destination()).ok);
  ASSERT_GE(progress_.size(), 5u);
  for (std::size_t i = 0; i < progress_.size(); ++i) {
    EXPECT_EQ(progress_[i].bytesTotal, large.size() + 5);
    EXPECT_EQ(progress_[i].filesTotal, 3);
    if (i > 0) {
      EXPECT_GE(progress_[i].bytesDone, progress_[i - 1].bytesDone);
      EXPECT_GE(progress_[i].filesDone, progress_[i - 1].filesDone);
    }
  }
  EXPECT_EQ(progress_.front().bytesDone, 0u);
  EXPECT_EQ(progress_.back().bytesDone, large.size() + 5);
  EXPECT_EQ(progress_.back().filesDone, 3);
  EXPECT_EQ(read(copied())["a/Large.Dat"], large);
}

TEST_F(FolderCopy, WorksWithoutProgressCallbackAndWithTrailingSeparator) {
  build(source(), kOffice);
  const auto result = RecursiveFolderCopier().copyInto(source() / "", destination(), {});
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(read(copied()), read(source()));
}

TEST_F(FolderCopy, FailuresAreReportedNamingTheFile) {
  struct Case {
    const char* what;
    std::function<void(FolderCopy&)> arrange;
    fs::path from;
    fs::path into;
    std::string named;  // part of the path the message must name
  };
  const std::vector<Case> cases = {
      {"source missing", [](FolderCopy&) {}, "office/VRK DATA FILES", "backup", "VRK DATA FILES"},
      {"destination is a file", [](FolderCopy& t) { writeFile(t.destination(), "x"); },
       "office/VRK DATA FILES", "backup", "backup"},
      {"file where a folder belongs", [](FolderCopy& t) { writeFile(t.copied() / "072001", "x"); },
       "office/VRK DATA FILES", "backup", "072001"},
      {"folder where a file belongs",
       [](FolderCopy& t) { fs::create_directories(t.copied() / "072001/ClientCodes.Dat"); },
       "office/VRK DATA FILES", "backup", "ClientCodes.Dat"},
      {"dangling link in the source",
       [](FolderCopy& t) { fs::create_symlink(t.base() / "gone.Dat", t.source() / "072001/Link.Dat"); },
       "office/VRK DATA FILES", "backup", "Link.Dat"},
      {"copy into itself", [](FolderCopy&) {}, "office/VRK DATA FILES", "office/VRK DATA FILES/072001",
       "VRK DATA FILES"},
      {"copy onto itself", [](FolderCopy&) {}, "office/VRK DATA FILES", "office", "VRK DATA FILES"},
  };
  for (const Case& c : cases) {
    fs::remove_all(base() / "office");
    fs::remove_all(destination());
    if (std::string(c.what) != "source missing") build(source(), {{"072001/ClientCodes.Dat", "ABC"}});
    c.arrange(*this);
    const auto result = copy(base() / c.from, base() / c.into);
    EXPECT_FALSE(result.ok) << c.what;
    EXPECT_NE(result.error.find(c.named), std::string::npos) << c.what << ": " << result.error;
  }
}

TEST_F(FolderCopy, FailedFileLeavesNoPartialFileBehind) {
  build(source(), {{"072001/A.Dat", "new a"}, {"072001/B.Dat", "new b"}});
  build(copied(), {{"072001/A.Dat", "old a"}});
  fs::create_directories(copied() / "072001/B.Dat");  // B cannot be written
  const auto result = copy(source(), destination());
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("B.Dat"), std::string::npos) << result.error;
  const Tree left = read(copied() / "072001");
  EXPECT_EQ(left, (Tree{{"A.Dat", "new a"}, {"B.Dat", "/"}}));  // no temporary file left over
}

// Permission bits do not stop root (the usual test user here); these cases then skip.
TEST_F(FolderCopy, PermissionFailuresAreReported) {
  const fs::path probe = base() / "probe";
  fs::create_directories(probe);
  fs::permissions(probe, fs::perms::owner_read | fs::perms::owner_exec);
  const bool bitsIgnored = std::ofstream(probe / "file").good();
  fs::permissions(probe, fs::perms::owner_all);
  if (bitsIgnored) GTEST_SKIP() << "permission bits do not stop this user from reading or writing";

  struct Case {
    const char* what;
    fs::path locked;
    fs::perms perms;
    std::string named;
  };
  const Case cases[] = {
      {"read-only destination", destination(), fs::perms::owner_read | fs::perms::owner_exec,
       "VRK DATA FILES"},
      {"unreadable source file", source() / "072001/ClientCodes.Dat", fs::perms::none, "ClientCodes.Dat"},
  };
  for (const Case& c : cases) {
    fs::remove_all(destination());
    build(source(), {{"072001/ClientCodes.Dat", "ABC"}});
    fs::create_directories(destination());
    fs::permissions(c.locked, c.perms);
    const auto result = copy(source(), destination());
    fs::permissions(c.locked, fs::perms::owner_all);
    EXPECT_FALSE(result.ok) << c.what;
    EXPECT_NE(result.error.find(c.named), std::string::npos) << c.what << ": " << result.error;
  }
}

}  // namespace
}  // namespace vrk::platform
