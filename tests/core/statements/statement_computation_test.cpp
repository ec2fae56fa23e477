#include <functional>

#include "core/document/money_text.h"
#include "core/document/number_text.h"
#include "statement_office.h"

namespace vrk::statements {

namespace {

std::string money(double value) { return document::moneyText(value); }

const char* balanceName(Balance label) {
  switch (label) {
    case Balance::TrustAtStart: return "trust-at-start";
    case Balance::DueAtStart: return "due-at-start";
    case Balance::Payments: return "payments";
    case Balance::TrustForward: return "trust-forward";
    case Balance::Unpaid: return "unpaid";
    case Balance::LateCharge: return "late-charge";
    case Balance::Retainer: return "retainer";
    case Balance::StatementFees: return "fees";
    case Balance::StatementCosts: return "costs";
    case Balance::StatementCredits: return "credits";
    case Balance::NoActivity: return "no-activity";
    case Balance::BalanceNowDue: return "now-due";
    case Balance::TrustBalance: return "trust";
  }
  return "?";
}

struct Describe {
  std::vector<std::string>& out;
  void operator()(const RetainerHeading&) const { out.push_back("retainer"); }
  void operator()(const MatterHeading& h) const {
    std::string text = "matter";
    for (const auto& line : h.description) text += " " + line;
    if (h.summaryLines) text += " (summary " + std::to_string(*h.summaryLines) + ")";
    out.push_back(text);
  }
  void operator()(const TimeEntry& e) const {
    out.push_back("time " + e.initials + " " + document::hoursText(e.hours) + " " + (e.fee ? money(*e.fee) : "N/C") +
                  (e.combinedBlock ? " +" : ""));
  }
  void operator()(const CostEntry& e) const {
    out.push_back(std::string(e.credit ? "credit " : "cost ") + money(e.amount) + (e.withoutDate ? " (no date)" : ""));
  }
  void operator()(const SummaryLine& s) const {
    out.push_back("summary " + s.initials + " " + document::hoursText(s.hours) + " at " + money(s.rate) + " " +
                  money(s.amount));
  }
  void operator()(const MatterTotals& t) const {
    std::string text = t.underline ? "totals_" : "totals";
    const char* names[] = {"hours", "fees", "costs", "credits"};
    for (const auto& [kind, amount] : t.lines)
      text += std::string(" ") + names[static_cast<int>(kind)] + " " +
              (kind == MatterTotal::Hours ? document::hoursText(amount) : money(amount));
    out.push_back(text);
  }
  void operator()(const TotalsBlock& b) const {
    if (b.heading) out.push_back("TOTALS");
    for (const auto& line : b.lines)
      out.push_back(std::string(balanceName(line.label)) + (line.label == Balance::NoActivity ? "" : " " + money(line.amount)));
  }
  void operator()(const ClosingNotices& n) const { out.push_back(n.lateCharge ? "notices late" : "notices"); }
};

}  // namespace

std::vector<std::string> describe(const Statement& statement) {
  std::vector<std::string> out;
  for (const auto& item : statement.items) std::visit(Describe{out}, item);
  return out;
}

namespace {

using Lines = std::vector<std::string>;

TEST(StatementComputation, WalksValuesAndBalances) {
  struct Case {
    const char* what;
    const char* client;
    std::function<void(StatementOffice&)> build;
    Lines lines;
  };
  const Case cases[] = {
      {"itemized: retainer time, a special rate, a rate of 0, costs merged into their matter", "C",
       [](StatementOffice& o) {
         o.client("C", kItemized, {"1250.00", "500.00", "", "200.00"}, true);
         o.matter("C", "1", 1, {"General", "", "Filings", ""});
         o.matter("C", "012", 2);
         o.time("C", "0", 2, "JD", "1.0");
         o.time("C", "1", 3, "JD", "2.5");
         o.time("C", "1", 3, "AB", "0.3", "0");
         o.time("C", "12", 10, "AB", "1.25", "1250.00");
         o.time("C", "12", 11, "JD", "1", "0.0005");  // not above 0.001: the schedule's rate
         o.cost("C", "1", 3, "125.00");
         o.cost("C", "1", 9, "25.00", true);
       },
       {"retainer", "time JD 1.0 N/C", "matter General Filings", "time JD 2.5 $625.00 +", "time AB 0.3 N/C +",
        "cost $125.00", "credit $25.00", "totals_ fees $625.00 costs $125.00 credits $25.00", "matter Matter",
        "time AB 1.3 $1,562.50", "time JD 1.0 $275.00", "totals_ fees $1,837.50", "TOTALS", "due-at-start $1,250.00",
        "payments $500.00", "unpaid $750.00", "late-charge $11.25", "retainer $200.00", "fees $2,462.50",
        "costs $125.00", "credits $25.00", "now-due $3,523.75", "notices late"}},
      {"summary billing: a special rate is not used; costs without dates; a trust client", "S",
       [](StatementOffice& o) {
         o.client("S", kSummary, {"", "1500.00", "2500.00", "0"});
         o.matter("S", "3", 2);
         o.time("S", "3", 5, "JD", "3.0", "999");
         o.time("S", "3", 6, "JD", "1.0");
         o.time("S", "0", 6, "AB", "2.0");
         o.cost("S", "3", 6, "10.50");
       },
       {"matter Matter (summary 1)", "summary JD 4.0 at $275.00 $1,100.00", "cost $10.50 (no date)", "TOTALS",
        "trust-at-start $2,500.00", "payments $1,500.00", "trust-forward $4,000.00", "fees $1,100.00",
        "costs $10.50", "trust $2,889.50", "notices"}},
      {"overpaid: the difference is held in trust and then used", "P",
       [](StatementOffice& o) {
         o.client("P", kItemized, {"100.00", "120.00", "", ""}, true);
         o.matter("P", "1", 1);
         o.time("P", "1", 3, "AB", "0.2", "250");
       },
       {"matter Matter", "time AB 0.2 $50.00", "totals_ fees $50.00", "TOTALS", "due-at-start $100.00",
        "payments $120.00", "trust-forward $20.00", "fees $50.00", "costs $0.00", "now-due $30.00", "notices late"}},
      {"late charge: 10.00 unpaid draws none; a retainer of 0.009 is ignored", "L",
       [](StatementOffice& o) {
         o.client("L", kItemized, {"510.00", "500.00", "", "0.009"}, true);
       },
       {"due-at-start $510.00", "payments $500.00", "unpaid $10.00", "now-due $10.00", "notices late"}},
      {"late charge of 1.5% on 10.01; a retainer of 0.01 is billed, also without records in the period", "M",
       [](StatementOffice& o) { o.client("M", kItemized, {"510.01", "500.00", "", "0.01"}, true); },
       {"due-at-start $510.01", "payments $500.00", "unpaid $10.01", "late-charge $0.15", "retainer $0.01",
        "now-due $10.17", "notices late"}},
      {"contingent fee, costs billed: hours totals, no underline for a time-only block of a merged walk", "K",
       [](StatementOffice& o) {
         o.client("K", kContingentBilledCosts);
         o.matter("K", "1", 1);
         o.matter("K", "2", 1);
         o.time("K", "1", 3, "AB", "2.0");
         o.cost("K", "2", 4, "40");
       },
       {"matter Matter", "time AB 2.0 N/C", "totals hours 2.0", "matter Matter", "cost $40.00",
        "totals_ costs $40.00", "TOTALS", "due-at-start $0.00", "payments $0.00", "unpaid $0.00", "fees $0.00",
        "costs $40.00", "now-due $40.00", "notices"}},
      {"contingent fee without costs billed, time only: hours and fees totals, no balance", "N",
       [](StatementOffice& o) {
         o.client("N", kContingentNoCosts);
         o.matter("N", "1", 1);
         o.time("N", "1", 3, "AB", "2.0");
       },
       {"matter Matter", "time AB 2.0 N/C", "totals_ hours 2.0 fees $0.00", "notices"}},
      {"contingent fee without costs billed and no records: No Activity", "N",
       [](StatementOffice& o) {
         o.client("N", kContingentNoCosts, {"75.00", "", "", ""});
         o.client("X", kItemized);
         o.time("X", "0", 3, "AB", "1");
       },
       {"no-activity", "notices"}},
      {"undefined matter, deleted fee schedule and unknown attorney: left out, the rest still billed", "U",
       [](StatementOffice& o) {
         o.client("U", kItemized);
         o.matter("U", "1", 1);
         o.matter("U", "2", 3);  // no third schedule
         o.time("U", "1", 3, "ZZ", "1.0");
         o.time("U", "1", 4, "AB", "1.0");
         o.time("U", "2", 3, "AB", "1.0");
         o.time("U", "5", 3, "AB", "1.0");
         o.cost("U", "5", 3, "9");
       },
       {"matter Matter", "time AB 1.0 $150.00", "totals_ fees $150.00", "TOTALS", "due-at-start $0.00",
        "payments $0.00", "unpaid $0.00", "now-due $150.00", "notices"}},
      {"office overhead: N/C time, hours totals, no balance at all", "O",
       [](StatementOffice& o) {
         o.client("O", kOverhead, {"50.00", "", "", ""});
         o.matter("O", "1", 1);
         o.time("O", "1", 3, "JD", "1.5");
       },
       {"matter Matter", "time JD 1.5 N/C", "totals_ hours 1.5", "notices"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    StatementOffice office;
    c.build(office);
    EXPECT_EQ(describe(office.compute(c.client)), c.lines);
  }
}

TEST(StatementComputation, ActivityCellsGroupTotalsAndCumulativeMatterTotals) {
  StatementOffice office;
  office.client("C", kItemized, {"1250.00", "500.00", "", "200.00"}, true);
  office.client("K", kContingentNoCosts);
  office.client("T", kItemized, {"", "", "500.00", ""});
  office.matter("C", "1", 1);
  office.matter("K", "1", 1);
  office.time("C", "0", 2, "JD", "1.0");
  office.time("C", "1", 3, "JD", "2.5");
  office.time("C", "1", 4, "AB", "0.5", "0");
  office.cost("C", "1", 3, "125.00");
  office.cost("C", "1", 4, "25.00", true);
  office.time("K", "1", 3, "AB", "4.0");
  const Statement c = office.compute("C", true);
  office.compute("K");
  const Statement t = office.compute("T");

  // AB: 4.0 contingent, 0.5 no charge; JD: 1.0 no charge (retainer), 2.5 billed for $625.
  ASSERT_EQ(office.activity.attorneys.size(), 2u);
  const auto& ab = office.activity.attorneys[0];
  const auto& jd = office.activity.attorneys[1];
  EXPECT_EQ((std::vector<double>{ab.overhead, ab.contingent, ab.noCharge, ab.billed, ab.fees}),
            (std::vector<double>{0, 4.0, 0.5, 0, 0}));
  EXPECT_EQ((std::vector<double>{jd.overhead, jd.contingent, jd.noCharge, jd.billed, jd.fees}),
            (std::vector<double>{0, 0, 1.0, 2.5, 625}));
  const GroupTotals& g = office.activity.totals;
  EXPECT_DOUBLE_EQ(g.attorneyHours, 8.0);
  EXPECT_DOUBLE_EQ(g.previousBalances, 1250 + 0);
  EXPECT_DOUBLE_EQ(g.paymentsReceived, 500);
  EXPECT_DOUBLE_EQ(g.previousTrust, 500);
  EXPECT_DOUBLE_EQ(g.unpaidBalances, 750);
  EXPECT_DOUBLE_EQ(g.lateCharges, 11.25);
  EXPECT_DOUBLE_EQ(g.retainerFees, 200);
  EXPECT_DOUBLE_EQ(g.hourlyFees, 625);
  EXPECT_DOUBLE_EQ(g.costs, 125);
  EXPECT_DOUBLE_EQ(g.credits, 25);
  EXPECT_DOUBLE_EQ(g.balancesNowDue, c.amounts.balanceNowDue);
  EXPECT_DOUBLE_EQ(c.amounts.balanceNowDue, 750 + 11.25 + 625 + 125 - 25 + 200);
  // A trust client without billed matters or retainer: the trust balance stays, nothing is due.
  EXPECT_DOUBLE_EQ(g.currentTrust, 500);
  EXPECT_DOUBLE_EQ(t.amounts.trustBalance, 500);
  EXPECT_EQ(describe(t).back(), "notices");

  // The final statement carries matter 1's new cumulative totals (hours, fees, costs, credits).
  ASSERT_EQ(c.matterUpdates.size(), 1u);
  const auto& record = c.matterUpdates[0].record;
  EXPECT_EQ(record.hoursToDate, "13.0");
  EXPECT_EQ(record.feesToDate, "1625.00");
  EXPECT_EQ(record.costsToDate, "225.00");
  EXPECT_EQ(record.creditsToDate, "25.00");
  EXPECT_TRUE(office.compute("C").matterUpdates.empty());  // a draft changes nothing
}

TEST(StatementComputation, TrustBalanceUsedUpOrLeft) {
  struct Case {
    const char* trust;
    const char* hours;  // at AB's $150
    Lines tail;
  };
  const Case cases[] = {
      {"500.00", "2", {"trust $200.00", "notices"}},
      {"300.00", "2", {"trust $0.00", "notices"}},   // exactly used up: 0 left, still a trust line
      {"300.00", "3", {"now-due $150.00", "notices"}},
  };
  for (const auto& c : cases) {
    StatementOffice office;
    office.client("T", kItemized, {"", "", c.trust, ""});
    office.matter("T", "1", 1);
    office.time("T", "1", 3, "AB", c.hours);
    const Lines lines = describe(office.compute("T"));
    EXPECT_EQ(Lines(lines.end() - 2, lines.end()), c.tail) << c.trust << " " << c.hours;
  }
}

}  // namespace
}  // namespace vrk::statements
