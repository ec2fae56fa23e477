#include "core/closing/period_seal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/store/sha256.h"
#include "core/store/store_error.h"
#include "core/store/text_list.h"
#include "support/temp_folder.h"

namespace vrk::closing {
namespace {

namespace fs = std::filesystem;
using Problems = std::vector<SealProblem>;

// Seals the folder as it stands, in a save of its own.
void seal(const fs::path& folder) {
  store::Transaction tx(folder);
  stageSeal(tx);
  tx.commit();
}

TEST(PeriodSeal, TextListsEachDataFileWithItsHashAndSizeInNameOrder) {
  test::TempFolder office;
  const fs::path folder = office / "082001";
  fs::create_directories(folder / "Sub.Dat");  // a folder, not a file
  test::writeFile(folder / "b.Dat", "abc");
  test::writeFile(folder / "A Data.Dat", "");
  test::writeFile(folder / ".vrk-folder-stamp", "12345678");
  test::writeFile(folder / "Final Statements.pdf", "%PDF");
  test::writeFile(folder / kSealName, "an earlier seal");
  const store::Transaction tx(folder);
  EXPECT_EQ(sealText(tx),
            "PERIOD SEAL 082001\r\n"
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  0  A Data.Dat\r\n"
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  3  b.Dat\r\n");
}

TEST(PeriodSeal, TextThroughATransactionIsTheTextOfTheFolderAfterItsCommit) {
  test::TempFolder office;
  const fs::path folder = test::copySampleOffice(office.path());
  const auto sampleFiles = static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
  // Larger than one piece of the hashing, and not a whole number of pieces.
  std::string large((3U << 20) + 5, '\0');
  for (std::size_t k = 0; k < large.size(); ++k) large[k] = static_cast<char>(k * 7 % 251);

  store::Transaction tx(folder);
  tx.writeWhole("Large.Dat", large);
  tx.writeAt("ClientData.Dat", 10, "CHANGED");
  tx.append("TimeRecordData.Dat", "more");
  tx.remove("ClientGroups.Dat");
  tx.writeWhole("Gone Again.Dat", "x");
  tx.remove("Gone Again.Dat");
  tx.writeWhole(".hidden", "x");
  const std::string staged = sealText(tx);
  tx.commit();

  const std::string committed = sealText(store::Transaction(folder));
  EXPECT_EQ(staged, committed);
  const std::vector<std::string> lines = store::parseTextList(committed);
  ASSERT_EQ(lines.size(), 1 + sampleFiles);  // the heading, the sample's files less one removed, one added
  EXPECT_EQ(lines[0], "PERIOD SEAL 072001");
  EXPECT_EQ(committed.find("ClientGroups.Dat"), std::string::npos);
  EXPECT_NE(committed.find(store::sha256Hex(large) + "  " + std::to_string(large.size()) + "  Large.Dat\r\n"),
            std::string::npos);
}

TEST(PeriodSeal, EachKindOfDifferenceIsFoundAndNothingElse) {
  struct Case {
    const char* what;
    std::function<void(const fs::path&)> damage;
    Problems expected;
  };
  const auto flipByte = [](const fs::path& file, std::size_t at) {
    std::string bytes = test::readFile(file);
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    test::writeFile(file, bytes);
  };
  const Case cases[] = {
      {"untouched", [](const fs::path&) {}, {}},
      {"a flipped bit", [&](const fs::path& f) { flipByte(f / "TimeRecordData.Dat", 1000); },
       {{SealProblem::Changed, "TimeRecordData.Dat"}}},
      {"truncated",
       [](const fs::path& f) { fs::resize_file(f / "MatterData.Dat", fs::file_size(f / "MatterData.Dat") - 228); },
       {{SealProblem::Changed, "MatterData.Dat"}}},
      {"missing", [](const fs::path& f) { fs::remove(f / "ClientCodes.Dat"); },
       {{SealProblem::Missing, "ClientCodes.Dat"}}},
      {"added", [](const fs::path& f) { test::writeFile(f / "Extra.Dat", ""); }, {{SealProblem::Added, "Extra.Dat"}}},
      {"several at once",
       [&](const fs::path& f) {
         flipByte(f / "ClientData.Dat", 0);
         fs::remove(f / "AttorneyInitials.Dat");
         test::writeFile(f / "ZZ.Dat", "z");
       },
       {{SealProblem::Missing, "AttorneyInitials.Dat"},
        {SealProblem::Changed, "ClientData.Dat"},
        {SealProblem::Added, "ZZ.Dat"}}},
      {"printouts, hidden files and folders are not data",
       [](const fs::path& f) {
         test::writeFile(f / "Statements 2001-08-01.pdf", "%PDF");
         test::writeFile(f / ".vrk-lock", "1");
         fs::create_directory(f / "Notes");
       },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder office;
    const fs::path folder = test::copySampleOffice(office.path());
    EXPECT_EQ(checkSeal(folder), std::nullopt);  // not sealed yet
    seal(folder);
    c.damage(folder);
    EXPECT_EQ(checkSeal(folder), c.expected);
  }
}

TEST(PeriodSeal, ADamagedSealIsAnErrorNamingIt) {
  const std::string hash = store::sha256Hex("abc");
  const std::string line = hash + "  3  A.Dat\r\n";
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"no heading", line},
      {"another period's heading", "PERIOD SEAL 062001\r\n" + line},
      {"last line cut", "PERIOD SEAL 072001\r\n" + hash + "  3  A.Dat"},
      {"LF line ends", "PERIOD SEAL 072001\n" + hash + "  3  A.Dat\n"},
      {"short hash", "PERIOD SEAL 072001\r\n" + hash.substr(1) + "  3  A.Dat\r\n"},
      {"hash not hex", "PERIOD SEAL 072001\r\n" + std::string(64, 'g') + "  3  A.Dat\r\n"},
      {"no size", "PERIOD SEAL 072001\r\n" + hash + "  A.Dat\r\n"},
      {"size not a number", "PERIOD SEAL 072001\r\n" + hash + "  -3  A.Dat\r\n"},
      {"size too large", "PERIOD SEAL 072001\r\n" + hash + "  99999999999999999999999  A.Dat\r\n"},
      {"no name", "PERIOD SEAL 072001\r\n" + hash + "  3  \r\n"},
      {"hidden name", "PERIOD SEAL 072001\r\n" + hash + "  3  .vrk-folder-stamp\r\n"},
      {"name with a folder", "PERIOD SEAL 072001\r\n" + hash + "  3  ../A.Dat\r\n"},
      {"names out of order", "PERIOD SEAL 072001\r\n" + hash + "  3  B.Dat\r\n" + line},
      {"a name twice", "PERIOD SEAL 072001\r\n" + line + line},
  };
  for (const auto& [what, text] : cases) {
    SCOPED_TRACE(what);
    test::TempFolder office;
    const fs::path folder = office / "072001";
    fs::create_directory(folder);
    test::writeFile(folder / "A.Dat", "abc");
    test::writeFile(folder / "B.Dat", "abc");
    test::writeFile(folder / kSealName, text);
    try {
      checkSeal(folder);
      ADD_FAILURE() << "no error";
    } catch (const store::StoreError& error) {
      EXPECT_EQ(error.path(), folder / kSealName);
      EXPECT_TRUE(error.problem().starts_with("The period seal is damaged (")) << error.what();
    }
  }
}

}  // namespace
}  // namespace vrk::closing
