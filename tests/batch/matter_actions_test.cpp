// vrk-batch add-matter, change-matter and delete-matter, run in sequence on the sample office.
#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {

TEST(MatterActions, AddChangeAndDeleteThroughTheBatchTool) {
  TempFolder temp;
  copySampleOffice(temp.path());
  const auto run = [&](std::vector<std::string> args) {
    return runBatchOn(temp.path(), args, "07/20/2001", "072001");
  };
  struct Step {
    std::vector<std::string> args;
    std::string out;
    int status;
  };
  const Step steps[] = {
      {{"do", "add-matter", "client=acme", "matter=1", "attorney=xy"},
       "[error]\n                 INVALID MATTER NUMBER\nTHIS NUMBER IS ALREADY IN USE FOR THIS "
       "CLIENT\nREFUSED\n",
       1},
      {{"do", "add-matter", "client=acme", "matter=7", "attorney=jd", "fees-to-date=$1,250.5"}, "OK\n", 0},
      {{"do", "add-matter", "client=acme", "matter=8", "attorney=jd", "fees-to-date=1.005"}, "", 2},
      {{"do", "add-matter", "client=acme", "matter=8", "attorney=jd", "date-created=02/30/2001"}, "", 2},
      {{"do", "change-matter", "client=acme", "matter=7", "new-client=zed", "hours-to-date=x"},
       "[error]\n           INVALID HOURS TO DATE\nENTER A NUMBER FROM 0 TO 999,999.9\nREFUSED\n",
       1},
      {{"do", "change-matter", "client=acme", "matter=7", "new-client=zed", "new-matter=0,070"}, "OK\n", 0},
      {{"do", "change-matter", "client=acme", "matter=7"},
       "[error]\n               INVALID MATTER NUMBER\nTHIS NUMBER IS NOT IN USE FOR THIS CLIENT\nREFUSED\n",
       1},
      {{"do", "delete-matter", "client=zed", "matter=7,0"},
       "[error]\n     Invalid Matter Number\nEnter A Number From 1 To 99999\nREFUSED\n",
       1},
      {{"do", "delete-matter", "client=zed", "matter=70"}, "OK\n", 0},
      {{"print", "matter-data", "client=zed", "matter=70"}, "", 2},
  };
  for (const auto& step : steps) {
    const auto result = run(step.args);
    EXPECT_EQ(result.out, step.out) << step.args[1] << " " << step.args[3];
    EXPECT_EQ(result.status, step.status) << step.args[1] << " " << step.args[3];
  }
}

}  // namespace vrk::test
