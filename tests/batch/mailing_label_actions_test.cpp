// vrk-batch mailing labels: the choices, selected codes in their order, and refused codes.
#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "support/temp_folder.h"

namespace vrk::test {
namespace {

TEST(MailingLabelActions, ChoicesAndSelectionsPrintTheirLabelsOrRefuse) {
  const std::string notPresent =
      "[error]\n            INVALID CLIENT CODE\nNO DATA IS PRESENT FOR THIS CLIENT\n";
  const std::string acmeBeta = "  Acme Widgets Inc." + std::string(27, ' ') + "Beta One LLC";
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string firstLabelLine;  // line 8 of the sheet; for a refusal, the whole output
  };
  const Case cases[] = {
      {{"print", "mailing-labels"}, 0, acmeBeta},
      {{"print", "mailing-labels", "selection=activity"}, 0, acmeBeta},
      {{"print", "mailing-labels", "selection=zed,ACME"},
       0,
       "  Zed Holdings" + std::string(32, ' ') + "Acme Widgets Inc."},
      {{"print", "mailing-labels", "selection=ACME,NOPE"}, 1, notPresent + "REFUSED\n"},
      {{"print", "mailing-labels", "selection=ACME,,X"}, 1, notPresent + notPresent + "REFUSED\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    TempFolder temp;
    const auto folder = copySampleOffice(temp.path());
    const auto before = snapshot(folder);
    const auto result = runBatchOn(temp.path(), c.args, "07/31/2001", "072001");
    EXPECT_EQ(result.status, c.status) << result.out;
    if (c.status == 0) {
      std::vector<std::string> lines;
      std::size_t from = 0;
      for (std::size_t end; (end = result.out.find('\n', from)) != std::string::npos; from = end + 1)
        lines.push_back(result.out.substr(from, end - from));
      ASSERT_GT(lines.size(), 7u) << result.out;
      EXPECT_EQ(lines[7], c.firstLabelLine);
    } else {
      EXPECT_EQ(result.out, c.firstLabelLine);
    }
    EXPECT_EQ(snapshot(folder), before);
  }
}

}  // namespace
}  // namespace vrk::test
