#include "core/records/record_editors.h"

#include "core/matters/matter_messages.h"
#include "core/records/record_messages.h"
#include "records_test_support.h"

namespace vrk::records {
namespace {

// What a step showed: "@slot"/"@matter", or END / BEGINNING, or the message.
template <typename Editor, typename Show>
std::vector<std::string> walk(Editor& editor, const std::string& client, const std::string& steps, Show show) {
  std::vector<std::string> seen;
  for (const char c : steps) {
    const auto outcome = editor.step(c == 'N' ? Direction::Next : Direction::Back, client);
    if (outcome.messages.empty()) {
      seen.push_back(show(editor));
    } else {
      const std::string& text = outcome.messages[0].text;
      seen.push_back(text.find("END OF") != std::string::npos         ? "END"
                     : text.find("BEGINNING OF") != std::string::npos ? "BEGINNING"
                                                                      : text);
    }
  }
  return seen;
}

class EditorTest : public RecordFolderTest {};

TEST_F(EditorTest, NextAndBackWalkTheClientsRecords) {
  struct Case {
    const char* client;
    const char* steps;
    std::vector<std::string> seen;  // ACME's time records are 07/02, 07/03, 07/03 (later entry), 07/10
  };
  const Case cases[] = {
      {"ACME", "NNNNNN", {"07/02", "07/03", "07/03", "07/10", "END", "07/02"}},
      {"ACME", "NBB", {"07/02", "BEGINNING", "07/10"}},
      {"ACME", "NBN", {"07/02", "BEGINNING", "07/02"}},
      {"ACME", "NNNNNB", {"07/02", "07/03", "07/03", "07/10", "END", "07/10"}},
      {"ACME", "B", {"07/10"}},
      {"BETA1", "NN", {"07/05", "END"}},
      {"ZED", "N", {kindTexts(RecordKind::Time).noneForClient}},
      {"zed", "N", {message::kClientCodeRule}},
  };
  for (const auto& c : cases) {
    TimeRecordEditor editor(folder);
    const auto seen = walk(editor, c.client, c.steps, [](const TimeRecordEditor& e) {
      return day(store::toStoredDate(e.shown()->date));
    });
    EXPECT_EQ(seen, c.seen) << c.client << " " << c.steps;
  }
  // Another client in the box starts over: at its first record with Next, its last with Back.
  TimeRecordEditor editor(folder);
  walk(editor, "ACME", "NN", [](const auto&) { return ""; });
  EXPECT_EQ(walk(editor, "BETA1", "B", [](const TimeRecordEditor& e) { return e.shown()->matter; }),
            std::vector<std::string>{"3"});
  EXPECT_EQ(walk(editor, "ACME", "B", [](const TimeRecordEditor& e) { return e.shown()->matter; }),
            std::vector<std::string>{"012"});
  EXPECT_EQ(editor.clients(), (std::vector<std::string>{"ACME", "BETA1"}));
}

TEST_F(EditorTest, ASaveThatMovesTheRecordKeepsTheWalkInStep) {
  TimeRecordEditor editor(folder);
  walk(editor, "ACME", "NN", [](const auto&) { return ""; });  // shows ACME/1 07/03 (slot 0)
  TimeBoxes boxes = *editor.shown();
  boxes.date = {2001, 7, 5};
  int progress = 0;
  const auto saved = editor.save(boxes, [&](int step) { progress = step; });
  EXPECT_TRUE(saved.messages.empty());
  EXPECT_EQ(progress, 3);
  EXPECT_FALSE(editor.shown());
  EXPECT_EQ(editor.save(boxes).messages.at(0).text, message::kRecordNotDisplayed);  // nothing shown since
  // The next Next shows the record that followed the changed one, then the changed one.
  EXPECT_EQ(walk(editor, "ACME", "NN", [](const TimeRecordEditor& e) { return day(store::toStoredDate(e.shown()->date)); }),
            (std::vector<std::string>{"07/03", "07/05"}));
  walk(editor, "ACME", "N", [](const auto&) { return ""; });                          // 07/10
  TimeBoxes bad = *editor.shown();
  bad.rate = "x";
  EXPECT_EQ(editor.save(bad).messages.at(0).text, message::kEditorRate);

  // Walking back, a record moved earlier keeps the walk in step too.
  CostCreditRecordEditor costs(folder);
  walk(costs, "ACME", "B", [](const auto&) { return ""; });  // ACME/1 07/09
  CostCreditBoxes earlier = *costs.shown();
  earlier.date = {2001, 7, 1};
  EXPECT_TRUE(costs.save(earlier).messages.empty());
  EXPECT_EQ(walk(costs, "ACME", "B", [](const CostCreditRecordEditor& e) { return e.shown()->amount; }),
            std::vector<std::string>{"$125.00"});
}

TEST_F(EditorTest, PaymentAndMatterEditors) {
  PaymentRecordEditor payments(folder);
  EXPECT_EQ(payments.save({"ACME", {2001, 7, 1}, "5"}).messages.at(0).text, message::kRecordNotDisplayed);
  walk(payments, "BETA1", "N", [](const auto&) { return ""; });
  EXPECT_EQ(payments.shown()->amount, "$1,500.00");
  EXPECT_TRUE(payments.save({"ACME", {2001, 7, 20}, "150"}).messages.empty());
  EXPECT_EQ(this->payments(), (std::vector<std::string>{"ACME 07/15 500.00", "ACME 07/20 150"}));

  MatterEditor matters(folder);
  EXPECT_EQ(matters.save({}).messages.at(0).text, matters::message::kNotDisplayedForChange);
  EXPECT_EQ(walk(matters, "NOPE", "N", [](const auto&) { return ""; }),
            std::vector<std::string>{matters::message::kClientNotPresent});
  EXPECT_EQ(walk(matters, "ZED", "N", [](const auto&) { return ""; }),
            std::vector<std::string>{"NO MATTERS ARE PRESENT FOR THIS CLIENT"});
  walk(matters, "ACME", "N", [](const auto&) { return ""; });
  matters::MatterBoxes renumbered = *matters.shown();
  renumbered.number = "20";  // moves behind 012; its time records follow it
  EXPECT_FALSE(matters.save(renumbered).closed());
  EXPECT_EQ(walk(matters, "ACME", "NNN", [](const MatterEditor& e) { return e.shown()->number; }),
            (std::vector<std::string>{"012", "20", "END"}));
  EXPECT_EQ(entries(RecordKind::Time)[1], "ACME/012 07/10@1");
  EXPECT_EQ(entries(RecordKind::Time)[2], "ACME/20 07/03@0");
}

}  // namespace
}  // namespace vrk::records
