#include "core/statements/next_period.h"

#include <gtest/gtest.h>

#include "core/store/binary_codec.h"
#include "support/temp_folder.h"

namespace vrk::statements {
namespace {

void prepare(const std::filesystem::path& current, const std::filesystem::path& next) {
  store::Transaction from(current);
  store::Transaction to(next);
  prepareNextPeriod(from, to);
  to.commit();
}

TEST(NextPeriod, StandingFilesCopiedDataKeptAndExtended) {
  test::TempFolder temp;
  const auto current = test::copySampleOffice(temp.path());
  const auto next = temp / "082001";
  std::filesystem::create_directories(next);

  prepare(current, next);
  for (const char* name : {"AttorneyInitials.Dat", "FeeSchedules.Dat", "ClientCodes.Dat", "ClientGroups.Dat",
                           "ClientIndicesInUse.Dat", "ClientIndicesNotInUse.Dat", "ClientData.Dat",
                           "MatterClientCodesArray.Dat", "MatterNumbersArray.Dat", "MatterIndicesInUse.Dat",
                           "MatterData.Dat"})
    EXPECT_EQ(test::readFile(next / name), test::readFile(current / name)) << name;
  const std::string counts = test::readFile(next / "Dimensions.Dat");
  EXPECT_EQ(store::decodeInt32s(counts, 10), (std::vector<std::int32_t>{3, 1, 3, 3, 0, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(std::filesystem::exists(next / "MatterIndicesNotInUse.Dat"));

  // A later final run of the month: the rolled-forward record stays; a client added since is
  // appended; a stale free-slot file goes.
  std::string rolled = test::readFile(next / "ClientData.Dat");
  rolled[1] = 'R';
  test::writeFile(next / "ClientData.Dat", rolled);
  test::writeFile(next / "MatterIndicesNotInUse.Dat", store::encodeInt32s({2}));
  const std::string added(396, 'n');
  test::writeFile(current / "ClientData.Dat", test::readFile(current / "ClientData.Dat") + added);
  prepare(current, next);
  EXPECT_EQ(test::readFile(next / "ClientData.Dat"), rolled + added);
  EXPECT_FALSE(std::filesystem::exists(next / "MatterIndicesNotInUse.Dat"));
}

}  // namespace
}  // namespace vrk::statements
