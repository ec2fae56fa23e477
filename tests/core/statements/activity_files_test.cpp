#include "core/statements/activity_files.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/store/binary_codec.h"
#include "core/store/store_error.h"
#include "support/temp_folder.h"

namespace vrk::statements {
namespace {

const char* const kAttorneyFile = "AttorneyActivityReport.Dat";
const char* const kBillingFile = "BillingActivityReport.Dat";

std::string doubles(const std::vector<double>& values) {
  std::string bytes(values.size() * 8, '\0');
  for (std::size_t i = 0; i < values.size(); ++i) store::putDouble(bytes, i * 8, values[i]);
  return bytes;
}

std::vector<double> fileDoubles(const std::filesystem::path& file) {
  const std::string bytes = test::readFile(file);
  std::vector<double> values(bytes.size() / 8);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = store::getDouble(bytes, i * 8);
  return values;
}

void stage(const std::filesystem::path& folder, const std::vector<std::string>& initials,
           const std::optional<std::vector<std::string>>& earlier, const GroupActivity& group) {
  store::Transaction tx(folder);
  stageActivityFiles(tx, initials, earlier, group);
  tx.commit();
}

// Every total a different figure, so a total stored in another's place shows.
GroupActivity groupA() {
  GroupActivity group;
  group.attorneys = {{1, 2, 3, 4, 500}, {0.5, 0, 1.5, 2, 250.25}};
  group.totals = {10, 20, 30, 40, 50, 60, 7, 200, 1000, 50, 25, 90};
  return group;
}

GroupActivity groupB() {
  GroupActivity group;
  group.attorneys = {{0, 1, 0, 6, 900}, {2, 3, 0, 0.5, 75}};
  group.totals = {1, 2, 3, 4, 5, 6, 8, 100, 300, 9, 10, 11};
  return group;
}

TEST(ActivityFiles, TwoGroupsAreSummedCellByCell) {
  test::TempFolder folder;
  stage(folder.path(), {"AB", "JD"}, std::nullopt, groupA());  // creates both files
  EXPECT_EQ(fileDoubles(folder / kAttorneyFile),
            (std::vector<double>{1, 2, 3, 4, 500, 0.5, 0, 1.5, 2, 250.25}));
  stage(folder.path(), {"AB", "JD"}, std::nullopt, groupB());

  // Attorney k, cell j at k x 5 + j: overhead, contingent, no charge, billed, fees.
  EXPECT_EQ(fileDoubles(folder / kAttorneyFile),
            (std::vector<double>{1, 3, 3, 10, 1400, 2.5, 3, 1.5, 2.5, 325.25}));
  // Total billings (hourly + retainer + late charges + costs - credits) of both groups is the twelfth.
  const double billingsA = 1000 + 200 + 7 + 50 - 25;
  const double billingsB = 300 + 100 + 8 + 9 - 10;
  EXPECT_EQ(fileDoubles(folder / kBillingFile),
            (std::vector<double>{11, 22, 33, 44, 55, 66, 15, 300, 1300, 59, 35, billingsA + billingsB, 101}));

  // Read back: the figures on either side of total billings keep their places.
  store::Transaction tx(folder.path());
  const BillingActivityFigures read = readBillingActivityFigures(tx);
  EXPECT_EQ(read.totals.credits, 35);
  EXPECT_EQ(read.totalBillings, billingsA + billingsB);
  EXPECT_EQ(read.totals.balancesNowDue, 101);
  EXPECT_EQ(readAttorneyActivity(tx, 2)[1].fees, 325.25);

  // Total billings is summed as stored, never derived again from the summed totals.
  test::writeFile(folder / kBillingFile, doubles({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0}));
  stage(folder.path(), {"AB", "JD"}, std::nullopt, groupB());
  EXPECT_EQ(fileDoubles(folder / kBillingFile)[11], 0.5 + billingsB);
}

TEST(ActivityFiles, CellsFollowTheInitialsWhenTheEarlierListIsKnown) {
  struct Case {
    const char* name;
    std::vector<std::string> initials;
    std::vector<double> expected;
  };
  // The file was written with AB, JD, MKL; the group's cells belong to `initials` by position.
  const Case cases[] = {
      {"same list", {"AB", "JD", "MKL"}, {1, 1, 1, 1, 11, 2, 2, 2, 2, 22, 3, 3, 3, 3, 33}},
      // CC added before MKL starts from the group's figures; JD dropped is left out.
      {"one added, one dropped", {"AB", "CC", "MKL"}, {1, 1, 1, 1, 11, 1, 1, 1, 1, 10, 3, 3, 3, 3, 33}},
      {"one added at the front", {"AA", "AB", "JD", "MKL"}, {1, 1, 1, 1, 10, 1, 1, 1, 1, 11,
                                                             2, 2, 2, 2, 22, 3, 3, 3, 3, 33}},
      {"all dropped but one", {"MKL"}, {3, 3, 3, 3, 33}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder folder;
    test::writeFile(folder / kAttorneyFile, doubles({0, 0, 0, 0, 1, 1, 1, 1, 1, 12, 2, 2, 2, 2, 23}));
    GroupActivity group;
    group.attorneys.assign(c.initials.size(), AttorneyCells{1, 1, 1, 1, 10});
    stage(folder.path(), c.initials, std::vector<std::string>{"AB", "JD", "MKL"}, group);
    EXPECT_EQ(fileDoubles(folder / kAttorneyFile), c.expected);
  }
}

TEST(ActivityFiles, AttorneysPastTheFilesEndReadAsZero) {
  struct Case {
    const char* name;
    std::optional<std::vector<double>> file;  // nothing: no file
    std::size_t count;
    std::vector<double> fees;  // each attorney's fees as read
  };
  const Case cases[] = {
      {"no file", std::nullopt, 2, {0, 0}},
      {"empty file", std::vector<double>{}, 2, {0, 0}},
      {"one attorney of three", std::vector<double>{1, 2, 3, 4, 5}, 3, {5, 0, 0}},
      {"longer than the list", std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1, {5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder folder;
    if (c.file) test::writeFile(folder / kAttorneyFile, doubles(*c.file));
    store::Transaction tx(folder.path());
    const auto cells = readAttorneyActivity(tx, c.count);
    ASSERT_EQ(cells.size(), c.count);
    for (std::size_t k = 0; k < c.count; ++k) EXPECT_EQ(cells[k].fees, c.fees[k]) << k;
  }
  // A group staged over a short file extends it to the whole list.
  test::TempFolder folder;
  test::writeFile(folder / kAttorneyFile, doubles({1, 2, 3, 4, 5}));
  GroupActivity group;
  group.attorneys = {{1, 1, 1, 1, 1}, {2, 2, 2, 2, 2}};
  stage(folder.path(), {"AB", "JD"}, std::nullopt, group);
  EXPECT_EQ(fileDoubles(folder / kAttorneyFile), (std::vector<double>{2, 3, 4, 5, 6, 2, 2, 2, 2, 2}));
}

TEST(ActivityFiles, DamagedSizesAreErrorsNamingTheFile) {
  struct Case {
    const char* name;
    const char* file;
    std::size_t size;  // bytes written; SIZE_MAX: the file is missing
    std::function<void(const store::Transaction&)> read;
  };
  const auto readAttorneys = [](const store::Transaction& tx) { readAttorneyActivity(tx, 3); };
  const auto readBilling = [](const store::Transaction& tx) { readBillingActivity(tx); };
  const Case cases[] = {
      {"attorney entry cut short", kAttorneyFile, 39, readAttorneys},
      {"attorney entry too long", kAttorneyFile, 41, readAttorneys},
      {"two entries and a bit", kAttorneyFile, 81, readAttorneys},
      {"billing file empty", kBillingFile, 0, readBilling},
      {"billing figure missing", kBillingFile, 96, readBilling},
      {"billing figure too many", kBillingFile, 112, readBilling},
      {"billing byte too many", kBillingFile, 105, readBilling},
      {"billing file missing", kBillingFile, SIZE_MAX, readBilling},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder folder;
    if (c.size != SIZE_MAX) test::writeFile(folder / c.file, std::string(c.size, '\x01'));
    const auto before = test::snapshot(folder.path());
    try {
      store::Transaction tx(folder.path());
      c.read(tx);
      ADD_FAILURE() << "read";
    } catch (const store::StoreError& error) {
      EXPECT_EQ(error.path().filename(), c.file);
    }
    // Adding a group over a damaged file is refused, and neither file is written.
    try {
      stage(folder.path(), {"AB", "JD", "MKL"}, std::nullopt, groupA());
      if (c.size != SIZE_MAX) ADD_FAILURE() << "staged";
    } catch (const store::StoreError& error) {
      EXPECT_EQ(error.path().filename(), c.file);
      EXPECT_EQ(test::snapshot(folder.path()), before);
    }
  }
}

}  // namespace
}  // namespace vrk::statements
