// Random adds, changes that move records, and deletes through the time, cost/credit and payment
// dialogs' logic, checked after every step against a plain model that follows the ordering and
// slot rules literally (a linear scan for each new place).
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>
#include <random>

#include "core/clients/client_book.h"
#include "core/document/date_text.h"
#include "core/records/cost_credit_records.h"
#include "core/records/payments.h"
#include "core/records/time_records.h"
#include "core/rules/decimal_value.h"
#include "core/store/tables.h"
#include "records_test_support.h"

namespace vrk::records {
namespace {

struct Row {
  std::string client;
  std::string matter;
  double date = 0;
  std::string field;  // the time, the amount: what the step wrote
  std::int32_t slot = 0;
};

enum class Kind { Time, CostCredit, Payment };

long long day(double date) { return static_cast<long long>(std::floor(date)); }

struct Model {
  Kind kind;
  std::vector<Row> rows;
  std::deque<std::int32_t> free;
  std::int32_t nextSlot = 0;
  std::map<std::string, double> totals;  // payments since the last statement

  int compare(const Row& a, const Row& b, bool exactDates) const {
    if (a.client != b.client) return a.client < b.client ? -1 : 1;
    if (kind != Kind::Payment) {
      const int c = store::compareMatterNumbers(a.matter, b.matter);
      if (c != 0) return c;
    }
    if (exactDates) return a.date < b.date ? -1 : (a.date > b.date ? 1 : 0);
    return day(a.date) < day(b.date) ? -1 : (day(a.date) > day(b.date) ? 1 : 0);
  }
  // The first position not skipped by the scan for a new key.
  std::size_t place(const Row& row, bool exactDates) const {
    std::size_t p = 0;
    while (p < rows.size() && compare(rows[p], row, exactDates) <= 0) ++p;
    return p;
  }
  void add(Row row) {
    if (kind != Kind::Payment) {
      if (rows.empty()) free.clear(), nextSlot = 0;
      if (free.empty()) {
        row.slot = nextSlot++;
      } else {
        row.slot = free.front();
        free.pop_front();
      }
    }
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(place(row, kind == Kind::CostCredit)), row);
  }
  void change(std::size_t s, Row row) {
    row.slot = rows[s].slot;
    if (kind != Kind::Payment && compare(rows[s], row, false) == 0) {
      rows[s].field = row.field;  // in place: the stored key stays as it was
      return;
    }
    const std::size_t p = place(row, false);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(s));
    const std::size_t target = p > s + 1 ? p - 1 : (p < s ? p : s);
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(target), row);
  }
  void remove(std::size_t s) {
    if (kind != Kind::Payment) free.push_back(rows[s].slot);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(s));
    if (rows.empty()) free.clear();
  }
  // The selection that finds row `s`: its client, its matter text and its entry among them.
  DateChoice choiceOf(std::size_t s) const {
    std::size_t first = s;
    while (first > 0 && rows[first - 1].client == rows[s].client &&
           (kind == Kind::Payment || store::compareMatterNumbers(rows[first - 1].matter, rows[s].matter) == 0))
      --first;
    return {document::recordDate(store::fromStoredDate(rows[s].date)), s - first};
  }
};

class DialogModelTest : public RecordFolderTest {
 protected:
  // The sample's tables as the model starts from them.
  Model load(Kind kind) const {
    Model model{kind, {}, {}, 0, {}};
    store::Transaction tx(folder);
    const store::RecordTable table(kind == Kind::Time         ? store::timeRecordTable()
                                   : kind == Kind::CostCredit ? store::costCreditRecordTable()
                                                              : store::paymentRecordTable(),
                                   tx);
    for (std::size_t p = 0; p < table.size(); ++p) {
      if (kind == Kind::Payment) {
        model.rows.push_back({table.texts(0)[p], "", table.dates(1)[p], table.texts(2)[p], 0});
      } else {
        const std::string bytes = table.readRecord(p);
        const std::string field = kind == Kind::Time ? decodeTimeRecord(bytes).time : decodeCostCreditRecord(bytes).amount;
        model.rows.push_back({table.texts(0)[p], table.texts(1)[p], table.dates(2)[p], field, table.dataSlotAt(p)});
      }
    }
    model.free.assign(table.freeSlots().begin(), table.freeSlots().end());
    model.nextSlot = static_cast<std::int32_t>(table.size() + table.freeCount());
    const store::RecordTable clients(store::clientTable(), tx);
    for (const char* code : {"ACME", "BETA1", "ZED"})
      model.totals[code] = rules::storedDecimalValue(
          clients::findClient(clients, code)->amounts[clients::kPaymentsSinceLastStatement]);
    return model;
  }

  void check(const Model& model, const std::string& step) const {
    SCOPED_TRACE(step);
    const Model disk = load(model.kind);
    ASSERT_EQ(disk.rows.size(), model.rows.size());
    for (std::size_t p = 0; p < model.rows.size(); ++p) {
      const Row& a = disk.rows[p];
      const Row& b = model.rows[p];
      ASSERT_EQ(a.client + "/" + a.matter + " " + std::to_string(a.date) + " " + a.field + "@" + std::to_string(a.slot),
                b.client + "/" + b.matter + " " + std::to_string(b.date) + " " + b.field + "@" + std::to_string(b.slot))
          << "position " << p;
    }
    if (model.kind != Kind::Payment) {
      ASSERT_EQ(std::vector<std::int32_t>(disk.free.begin(), disk.free.end()),
                std::vector<std::int32_t>(model.free.begin(), model.free.end()));
    }
    for (const auto& [client, total] : model.totals) ASSERT_NEAR(disk.totals.at(client), total, 0.001) << client;
  }

  void run(Kind kind, unsigned seed, int steps) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    // Valid keys: the registered matters (and 0 for time), days of early July, a time of day now and then.
    const std::vector<std::pair<std::string, std::string>> matters = {
        {"ACME", "1"}, {"ACME", "012"}, {"ACME", "12"}, {"BETA1", "3"}, {"ACME", "0"}, {"ZED", "0"}};
    Model model = load(kind);
    store::CalendarDate lastEntry{2001, 7, 1};
    for (int step = 0; step < steps; ++step) {
      const auto& [client, matter] = matters[below(kind == Kind::Time ? matters.size() : 4)];
      const store::CalendarDate date{2001, 7, static_cast<int>(1 + below(4))};
      const std::string field = std::to_string(1 + below(9)) + "." + std::to_string(below(10));
      const std::string payer = kind == Kind::Payment ? std::vector<std::string>{"ACME", "BETA1", "ZED"}[below(3)] : client;
      const std::size_t choice = model.rows.empty() ? 0 : below(3);
      std::string what;
      if (choice == 0) {
        what = "add";
        if (kind == Kind::Time) {
          AddTimeRecord logic(folder);
          ASSERT_TRUE(logic.save({client, matter, date, "AB", field, "$", {"x"}}, lastEntry).closed());
        } else if (kind == Kind::CostCredit) {
          AddCostCreditRecord logic(folder);
          ASSERT_TRUE(logic.save({client, matter, date, kCost, field, {"x"}}, lastEntry).closed());
        } else {
          AddPayment logic(folder);
          ASSERT_TRUE(logic.save({payer, date, field}, lastEntry).closed());
          model.totals[payer] += std::stod(field);
        }
        model.add({kind == Kind::Payment ? payer : client, kind == Kind::Payment ? "" : matter,
                   store::toStoredDate(date), field, 0});
      } else {
        const std::size_t s = below(model.rows.size());
        const Row old = model.rows[s];
        const DateChoice chosen = model.choiceOf(s);
        what = (choice == 1 ? "change " : "delete ") + std::to_string(s);
        if (kind == Kind::Time) {
          if (choice == 1) {
            ChangeTimeRecord logic(folder);
            ASSERT_TRUE(logic.selection().display(old.client, old.matter, chosen).messages.empty());
            TimeBoxes boxes = logic.shownBoxes();
            boxes.client = client, boxes.matter = matter, boxes.date = date, boxes.time = field;
            ASSERT_TRUE(logic.save(boxes, lastEntry).closed());
          } else {
            DeleteTimeRecord logic(folder);
            ASSERT_TRUE(logic.selection().display(old.client, old.matter, chosen).messages.empty());
            ASSERT_TRUE(logic.remove().closed());
          }
        } else if (kind == Kind::CostCredit) {
          if (choice == 1) {
            ChangeCostCreditRecord logic(folder);
            ASSERT_TRUE(logic.selection().display(old.client, old.matter, chosen).messages.empty());
            CostCreditBoxes boxes = logic.shownBoxes();
            boxes.client = client, boxes.matter = matter, boxes.date = date, boxes.amount = field;
            ASSERT_TRUE(logic.save(boxes, lastEntry).closed());
          } else {
            DeleteCostCreditRecord logic(folder);
            ASSERT_TRUE(logic.selection().display(old.client, old.matter, chosen).messages.empty());
            ASSERT_TRUE(logic.remove().closed());
          }
        } else if (choice == 1) {
          ChangePayment logic(folder);
          ASSERT_TRUE(logic.selection().display(old.client, chosen).messages.empty());
          ASSERT_TRUE(logic.save({payer, date, field}).closed());
          model.totals[old.client] -= rules::storedDecimalValue(old.field);
          model.totals[payer] += std::stod(field);
        } else {
          DeletePayment logic(folder);
          ASSERT_TRUE(logic.selection().display(old.client, chosen).messages.empty());
          ASSERT_TRUE(logic.remove().closed());
          model.totals[old.client] -= rules::storedDecimalValue(old.field);
        }
        if (choice == 1) {
          model.change(s, {kind == Kind::Payment ? payer : client, kind == Kind::Payment ? "" : matter,
                           store::toStoredDate(date), field, 0});
        } else {
          model.remove(s);
        }
      }
      check(model, "step " + std::to_string(step) + " " + what);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
};

TEST_F(DialogModelTest, TimeRecordDialogsFollowTheModel) { run(Kind::Time, 11, 120); }
TEST_F(DialogModelTest, CostCreditDialogsFollowTheModel) { run(Kind::CostCredit, 12, 120); }
TEST_F(DialogModelTest, PaymentDialogsFollowTheModel) { run(Kind::Payment, 13, 120); }

}  // namespace
}  // namespace vrk::records
