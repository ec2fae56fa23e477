// vrk-batch's matter lists end to end on a copy of the sample office: the one choice a list needs,
// the checks of the dialogs (refused with their boxes), and the guards of each list's own button.
#include <gtest/gtest.h>

#include <functional>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

TEST(MatterListActions, ChoicesChecksAndGuards) {
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> damage;
    std::vector<std::string> args;
    int status;
    std::string shown;  // a text of the output
  };
  const auto none = [](const std::filesystem::path&) {};
  const auto noClientData = [](const std::filesystem::path& f) {
    std::filesystem::remove(f / "ClientData.Dat");
  };
  const std::vector<Case> cases = {
      {"no choice", none, {"print", "matter-list"}, 2, "exactly one of group=G, client=C and all=yes"},
      {"two choices", none, {"print", "matter-list", "group=A", "client=ACME"}, 2, "exactly one of"},
      {"all=no", none, {"print", "matter-list", "all=no"}, 2, "all takes yes"},
      {"a group in small letters is capitalised",
       none,
       {"print", "matter-list", "group=a"},
       0,
       "Matters For Client Group \"A\""},
      {"a group of two characters",
       none,
       {"print", "matter-list", "group=AB"},
       1,
       "[error]\n      INVALID CLIENT GROUP\nENTER A LETTER OR A NUMBER\nREFUSED\n"},
      {"a group nobody is in",
       none,
       {"print", "matter-list", "group=Q"},
       1,
       "[information]\nNO CLIENTS ARE PRESENT\n  FOR THIS CLIENT GROUP\nREFUSED\n"},
      {"an unknown client",
       none,
       {"print", "matter-list", "client=NOBODY"},
       1,
       "[error]\nNO DATA IS PRESENT\n    FOR THIS CLIENT\nREFUSED\n"},
      {"an unknown client's matter data",
       none,
       {"print", "all-matter-data", "client=NOBODY"},
       1,
       "NO DATA IS PRESENT"},
      {"a client without matters: the heading, then the box",
       none,
       {"print", "matter-list", "client=ZED"},
       0,
       "Matters For Client ZED"},
      {"no matter data for a client without matters",
       none,
       {"print", "all-matter-data", "client=ZED"},
       1,
       "[information]\nNO MATTERS ARE PRESENT\n     FOR THIS CLIENT\nREFUSED\n"},
      // The client data check runs before the group and client lists, not before the all-clients list.
      {"group list without client data", noClientData, {"print", "matter-list", "group=A"}, 2, "vrk-batch:"},
      {"client list without client data",
       noClientData,
       {"print", "matter-list", "client=ACME"},
       2,
       "vrk-batch:"},
      {"all-clients list without client data",
       noClientData,
       {"print", "matter-list", "all=yes"},
       0,
       "      BETA1         3             Trademark registration"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    c.damage(copySampleOffice(temp.path()));
    const auto result = runBatchOn(temp.path(), c.args, "08/03/2001", "072001", true);
    EXPECT_EQ(result.status, c.status) << result.out;
    EXPECT_NE(result.out.find(c.shown), std::string::npos) << result.out;
  }
}

}  // namespace
}  // namespace vrk::test
