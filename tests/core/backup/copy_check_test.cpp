#include "core/backup/copy_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace vrk::backup {
namespace {

namespace fs = std::filesystem;

TEST(CopyCheck, FindsTheFirstCopyThatIsMissingOrNotEqualToItsOriginal) {
  // Larger than one piece of the reading, so that a change near its end is read too.
  const std::string large((2U << 20) + 3, 'L');
  const auto change = [](const fs::path& file, std::size_t at) {
    std::string bytes = test::readFile(file);
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    test::writeFile(file, bytes);
  };
  struct Case {
    const char* what;
    std::function<void(const fs::path& target)> spoil;
    std::optional<fs::path> differing;
  };
  const Case cases[] = {
      {"equal", [](const fs::path&) {}, std::nullopt},
      {"a byte flipped", [&](const fs::path& t) { change(t / "072001" / "ClientData.Dat", 2); },
       fs::path("072001/ClientData.Dat")},
      {"the last byte of a large file", [&](const fs::path& t) { change(t / "Large.Dat", large.size() - 1); },
       fs::path("Large.Dat")},
      {"cut short", [](const fs::path& t) { fs::resize_file(t / "072001" / "ClientData.Dat", 2); },
       fs::path("072001/ClientData.Dat")},
      {"missing", [](const fs::path& t) { fs::remove(t / "072001" / "Dimensions.Dat"); },
       fs::path("072001/Dimensions.Dat")},
      {"two spoilt: the first in path order",
       [&](const fs::path& t) {
         change(t / "072001" / "Dimensions.Dat", 0);
         fs::remove(t / "062001" / "Empty.Dat");
       },
       fs::path("062001/Empty.Dat")},
      {"files only in the copy, lock files", [](const fs::path& t) {
         test::writeFile(t / "072001" / "Extra.Dat", "extra");
         fs::remove(t / "072001" / ".vrk-lock");
       },
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder folder;
    const fs::path source = folder / "VRK DATA FILES";
    fs::create_directories(source / "072001");
    fs::create_directories(source / "062001");
    test::writeFile(source / "072001" / "ClientData.Dat", "client data");
    test::writeFile(source / "072001" / "Dimensions.Dat", std::string(40, '\0'));
    test::writeFile(source / "072001" / ".vrk-lock", "123");
    test::writeFile(source / "062001" / "Empty.Dat", "");
    test::writeFile(source / "Large.Dat", large);
    const fs::path target = folder / "copy";
    fs::copy(source, target, fs::copy_options::recursive);
    c.spoil(target);
    int advances = 0;
    EXPECT_EQ(firstDifferingCopy(source, target, [&advances] { ++advances; }), c.differing);
    if (!c.differing) {
      EXPECT_GE(advances, 4 + 2);  // every data file, and the large one's further pieces
    }
  }
}

TEST(CopyCheck, AnUnreadableSourceCountsAsDiffering) {
  test::TempFolder folder;
  EXPECT_EQ(firstDifferingCopy(folder / "gone", folder / "copy"), fs::path("."));
}

}  // namespace
}  // namespace vrk::backup
