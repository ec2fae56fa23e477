#include "core/statements/statement_computation.h"

#include "core/document/date_text.h"
#include "core/document/number_text.h"
#include "core/matters/matter_lists.h"
#include "core/records/billing_table.h"
#include "core/records/record_fields.h"
#include "core/rules/decimal_value.h"
#include "core/store/dates.h"
#include "core/store/tables.h"

namespace vrk::statements {
namespace {

// Thresholds below which an amount counts as absent.
constexpr double kPresent = 0.001;          // special rate, trust balance, payments, credits, summary cells
constexpr double kRetainerPresent = 0.009;  // monthly retainer
constexpr double kTrustRemains = 0.0099;    // a remaining trust balance
constexpr double kLateChargeFloor = 10.00;  // unpaid balance that draws a late charge
constexpr double kLateChargeRate = 0.015;

double value(const std::string& text) { return rules::storedDecimalValue(text); }

std::vector<std::string> shownLines(const std::string* lines, std::size_t count, std::size_t& empty) {
  std::vector<std::string> shown{lines[0]};
  empty = 0;
  for (std::size_t i = 1; i < count; ++i) {
    if (lines[i].empty()) {
      ++empty;
    } else {
      shown.push_back(lines[i]);
    }
  }
  return shown;
}

enum class Walk { TimeOnly, CostOnly, Merged };

class Walker {
 public:
  Walker(const StatementSource& source, const std::string& client, const clients::ClientRecord& record, bool final,
         GroupActivity& activity, Statement& statement)
      : source_(source),
        client_(client),
        record_(record),
        final_(final),
        activity_(activity),
        totals_(activity.totals),
        st_(statement),
        a_(statement.amounts),
        category_(record.category < kItemized || record.category > kOverhead ? kOverhead : record.category) {
    const std::size_t attorneys = source.attorneys().initials.size();
    if (activity_.attorneys.size() < attorneys) activity_.attorneys.resize(attorneys);
  }

  void run() {
    if (!source_.periodHasRecords()) {
      // No billing records in the whole period: the balance section alone, whatever the category.
      // The monthly retainer is still billed to the clients that pay one.
      TotalsBlock block = openBlock(false);
      block.pageCheck = false;
      balanceForward(block, true);
      if (billsBalance()) {
        addRetainer(block);
        if (a_.retainer > kRetainerPresent) block.lines.push_back({Balance::Retainer, a_.retainer});
        balanceNowDue(block);
      }
      st_.items.emplace_back(std::move(block));
      closingNotices();
      return;
    }
    const records::Run time = records::clientRun(source_.time(), client_);
    const records::Run costs = records::clientRun(source_.costs(), client_);
    activityShown_ = !time.empty() || !costs.empty();
    walk_ = costs.empty() ? Walk::TimeOnly : (time.empty() ? Walk::CostOnly : Walk::Merged);

    std::size_t t = time.first;
    const std::size_t tEnd = time.first + time.count;
    std::size_t retainerEnd = t;
    while (retainerEnd < tEnd && isRetainer(source_.time().texts(1)[retainerEnd])) ++retainerEnd;
    if (retainerEnd > t) retainerBlock(t, retainerEnd);
    t = retainerEnd;

    std::size_t c = costs.first;
    const std::size_t cEnd = costs.first + costs.count;
    while (t < tEnd || c < cEnd) {
      // The two runs merge by matter number: a number in both gives one block of both.
      int order = t < tEnd ? -1 : 1;
      if (t < tEnd && c < cEnd) order = store::compareMatterNumbers(source_.time().texts(1)[t], source_.costs().texts(1)[c]);
      const std::string matter = order <= 0 ? source_.time().texts(1)[t] : source_.costs().texts(1)[c];
      const std::size_t tNext = order <= 0 ? matterEnd(source_.time(), t, tEnd) : t;
      const std::size_t cNext = order >= 0 ? matterEnd(source_.costs(), c, cEnd) : c;
      matterBlock(matter, t, tNext, c, cNext);
      t = tNext;
      c = cNext;
    }

    if (billsBalance()) {
      TotalsBlock block = openBlock(activityShown_);
      addRetainer(block);
      balanceForward(block, false);
      if (a_.retainer > kRetainerPresent) block.lines.push_back({Balance::Retainer, a_.retainer});
      if (matterDefined()) {
        block.lines.push_back({Balance::StatementFees, a_.fees});
        block.lines.push_back({Balance::StatementCosts, a_.costs});
        if (a_.credits > kPresent) block.lines.push_back({Balance::StatementCredits, a_.credits});
      }
      block.matterDefined = matterDefined();
      block.credits = a_.credits > kPresent;
      balanceNowDue(block);
      st_.items.emplace_back(std::move(block));
    } else if (category_ == kContingentNoCosts && !matterDefined()) {
      TotalsBlock block = openBlock(false);
      block.lines.push_back({Balance::NoActivity, 0});
      st_.items.emplace_back(std::move(block));
    }
    closingNotices();
  }

 private:
  static bool isRetainer(const std::string& matter) { return store::compareMatterNumbers(matter, "0") == 0; }

  static std::size_t matterEnd(const store::RecordTable& table, std::size_t from, std::size_t end) {
    std::size_t p = from;
    while (p < end && store::compareMatterNumbers(table.texts(1)[p], table.texts(1)[from]) == 0) ++p;
    return p;
  }

  bool billsBalance() const { return category_ <= kContingentBilledCosts; }
  bool matterDefined() const { return lastTimeDefined_ || lastCostDefined_; }

  TotalsBlock openBlock(bool heading) const {
    TotalsBlock block;
    block.heading = heading;
    block.category = category_;
    return block;
  }

  void addRetainer(TotalsBlock& block) {
    a_.retainer = value(record_.amounts[clients::kMonthlyRetainer]);
    if (a_.retainer > kRetainerPresent) {
      totals_.retainerFees += a_.retainer;
      block.retainer = true;
    }
  }

  double scheduleRate(std::size_t attorney, std::int32_t schedule) const {
    return value(source_.attorneys().rates[attorney][static_cast<std::size_t>(schedule - 1)]);
  }

  void retainerBlock(std::size_t from, std::size_t to) {
    if (category_ != kSummary) st_.items.emplace_back(RetainerHeading{});
    for (std::size_t p = from; p < to; ++p) valueTime(p, true, 0, false);
    lastTimeDefined_ = false;  // matter 0 is no matter of the matter files
    matterHours_ = 0;
  }

  void matterBlock(const std::string& matter, std::size_t t, std::size_t tEnd, std::size_t c, std::size_t cEnd) {
    const bool hasTime = tEnd > t;
    const bool hasCost = cEnd > c;
    const bool combined = hasTime && hasCost;
    const auto position = matters::findMatter(source_.matters(), {client_, matter});
    if (hasTime) lastTimeDefined_ = position.has_value();
    if (hasCost) lastCostDefined_ = position.has_value();
    if (!position) {
      st_.messages.push_back({dialog::MessageKind::Error, undefinedMatterMessage(client_, matter)});
      return;
    }
    matters::MatterRecord matterRecord = matters::decodeMatterRecord(source_.matters().readRecord(*position));
    const std::int32_t schedule = matterRecord.feeSchedule;
    if (schedule < 1 || schedule > source_.attorneys().scheduleCount) {
      st_.messages.push_back({dialog::MessageKind::Error, feeScheduleMessage(client_, matter, schedule)});
      return;
    }
    MatterHeading heading;
    heading.matter = matter;
    heading.description = shownLines(matterRecord.description.data(), matterRecord.description.size(),
                                     heading.emptyDescriptionLines);
    if (heading.description.front().empty()) heading.description.erase(heading.description.begin());
    if (category_ != kSummary) {
      st_.items.emplace_back(heading);
    } else {
      summaryRate_.assign(activity_.attorneys.size(), 0);
      summaryHours_.assign(activity_.attorneys.size(), 0);
    }
    for (std::size_t p = t; p < tEnd; ++p) valueTime(p, false, schedule, combined && walk_ == Walk::Merged);
    if (category_ == kSummary) summaryLines(std::move(heading));
    for (std::size_t p = c; p < cEnd; ++p) valueCost(p);
    matterTotals(hasTime, hasCost, combined);
    if (final_) {
      if (hasTime) {
        matterRecord.hoursToDate = document::fixedText(value(matterRecord.hoursToDate) + matterHours_, 1);
        matterRecord.feesToDate = document::fixedText(value(matterRecord.feesToDate) + matterFees_, 2);
      }
      if (hasCost) {
        matterRecord.costsToDate = document::fixedText(value(matterRecord.costsToDate) + matterCosts_, 2);
        matterRecord.creditsToDate = document::fixedText(value(matterRecord.creditsToDate) + matterCredits_, 2);
      }
      st_.matterUpdates.push_back({source_.matters().dataSlotAt(*position), matterRecord});
    }
    matterHours_ = matterFees_ = matterCosts_ = matterCredits_ = 0;
  }

  void valueTime(std::size_t position, bool retainer, std::int32_t schedule, bool combined) {
    const auto& table = source_.time();
    const records::TimeRecord time = records::decodeTimeRecord(table.readRecord(position));
    const double date = table.dates(2)[position];
    const auto attorney = source_.attorneys().find(time.initials);
    if (!attorney) {
      st_.messages.push_back({dialog::MessageKind::Error,
                              noRatesMessage(client_, table.texts(1)[position], date, time.initials)});
      return;
    }
    const double hours = value(time.time);
    matterHours_ += hours;
    totals_.attorneyHours += hours;
    const double special = time.rate.empty() ? -1 : value(time.rate);
    AttorneyCells& cells = activity_.attorneys[*attorney];

    TimeEntry entry;
    entry.date = date;
    std::size_t empty = 0;
    entry.description = shownLines(time.description.data(), time.description.size(), empty);
    entry.initials = time.initials;
    entry.hours = hours;
    entry.combinedBlock = combined;
    switch (category_) {
      case kItemized:
        if (retainer || special == 0) {
          cells.noCharge += hours;
        } else {
          const double rate = special > kPresent ? special : scheduleRate(*attorney, schedule);
          const double fee = rate * hours;
          cells.billed += hours;
          cells.fees += fee;
          matterFees_ += fee;
          a_.fees += fee;
          totals_.hourlyFees += fee;
          entry.fee = fee;
          entry.rate = rate;
        }
        break;
      case kSummary:
        if (!retainer && special != 0) {
          cells.billed += hours;
          summaryHours_[*attorney] += hours;
          summaryRate_[*attorney] = scheduleRate(*attorney, schedule);
        } else {
          cells.noCharge += hours;
        }
        return;  // summary billing lists no time entry
      case kContingentBilledCosts:
      case kContingentNoCosts:
        cells.contingent += hours;
        break;
      default:
        cells.overhead += hours;
        break;
    }
    st_.items.emplace_back(std::move(entry));
  }

  void summaryLines(MatterHeading heading) {
    std::vector<SummaryLine> lines;
    const auto& initials = source_.attorneys().initials;
    for (std::size_t k = 0; k < summaryHours_.size() && k < initials.size(); ++k) {
      if (!(summaryRate_[k] > kPresent && summaryHours_[k] > kPresent)) continue;
      const double amount = summaryRate_[k] * summaryHours_[k];
      a_.fees += amount;
      totals_.hourlyFees += amount;
      activity_.attorneys[k].fees += amount;
      lines.push_back({initials[k], summaryHours_[k], summaryRate_[k], amount});
    }
    heading.summaryLines = lines.size();
    st_.items.emplace_back(std::move(heading));
    for (auto& line : lines) st_.items.emplace_back(std::move(line));
  }

  void valueCost(std::size_t position) {
    const auto& table = source_.costs();
    const records::CostCreditRecord cost = records::decodeCostCreditRecord(table.readRecord(position));
    CostEntry entry;
    entry.date = table.dates(2)[position];
    std::size_t empty = 0;
    entry.description = shownLines(cost.description.data(), cost.description.size(), empty);
    entry.amount = value(cost.amount);
    entry.credit = cost.kind == records::kCredit;
    entry.withoutDate = category_ == kSummary;
    if (entry.credit) {
      matterCredits_ += entry.amount;
      a_.credits += entry.amount;
      totals_.credits += entry.amount;
    } else {
      matterCosts_ += entry.amount;
      a_.costs += entry.amount;
      totals_.costs += entry.amount;
    }
    st_.items.emplace_back(std::move(entry));
  }

  void matterTotals(bool hasTime, bool hasCost, bool combined) {
    if (category_ == kSummary) return;
    MatterTotals totals;
    totals.combinedBlock = combined && walk_ == Walk::Merged;
    if (hasTime) {
      if (category_ == kItemized) {
        totals.lines.emplace_back(MatterTotal::Fees, matterFees_);
      } else {
        totals.lines.emplace_back(MatterTotal::Hours, matterHours_);
        if (walk_ == Walk::TimeOnly && category_ != kOverhead) totals.lines.emplace_back(MatterTotal::Fees, matterFees_);
      }
    }
    if (hasCost) {
      totals.lines.emplace_back(MatterTotal::Costs, matterCosts_);
      if (matterCredits_ > kPresent) totals.lines.emplace_back(MatterTotal::Credits, matterCredits_);
    }
    const bool timeOnlyBlockOfContingentOrOverhead = walk_ == Walk::Merged && hasTime && !hasCost && category_ != kItemized;
    totals.underline = !timeOnlyBlockOfContingentOrOverhead;
    st_.items.emplace_back(std::move(totals));
  }

  // The balance brought forward from the last statement.
  void balanceForward(TotalsBlock& block, bool alone) {
    a_.openingTrust = value(record_.amounts[clients::kTrustAccountBalance]);
    a_.payments = value(record_.amounts[clients::kPaymentsSinceLastStatement]);
    if (a_.payments > kPresent) totals_.paymentsReceived += a_.payments;
    if (a_.openingTrust > kPresent) {
      a_.openingBalance = 0;
      totals_.previousTrust += a_.openingTrust;
      block.lines.push_back({Balance::TrustAtStart, a_.openingTrust});
      block.lines.push_back({Balance::Payments, a_.payments});
      a_.trustBalance = a_.openingTrust + a_.payments;  // a trust client's payments go into the account
      block.lines.push_back({Balance::TrustForward, a_.trustBalance});
      return;
    }
    a_.trustBalance = 0;
    a_.openingBalance = value(record_.amounts[clients::kBalanceDue]);
    totals_.previousBalances += a_.openingBalance;
    block.lines.push_back({Balance::DueAtStart, a_.openingBalance});
    block.lines.push_back({Balance::Payments, a_.payments});
    const double unpaid = a_.openingBalance - a_.payments;
    if (unpaid < 0) {  // overpaid: the difference is held in trust
      a_.trustBalance = -unpaid;
      a_.unpaid = 0;
      a_.balanceNowDue = 0;
      block.lines.push_back({alone ? Balance::TrustBalance : Balance::TrustForward, a_.trustBalance});
      return;
    }
    a_.unpaid = unpaid;
    totals_.unpaidBalances += unpaid;
    block.lines.push_back({Balance::Unpaid, unpaid});
    if (record_.lateCharges && unpaid > kLateChargeFloor) {
      a_.lateCharge = kLateChargeRate * unpaid;
      totals_.lateCharges += a_.lateCharge;
      block.lines.push_back({Balance::LateCharge, a_.lateCharge});
    }
  }

  void balanceNowDue(TotalsBlock& block) {
    const double retainer = a_.retainer > kRetainerPresent ? a_.retainer : 0;
    if (!(a_.trustBalance > kPresent)) {
      a_.balanceNowDue = a_.unpaid + a_.lateCharge + a_.fees + a_.costs - a_.credits + retainer;
      block.lines.push_back({Balance::BalanceNowDue, a_.balanceNowDue});
    } else if (matterDefined() || retainer > 0) {
      const double remaining = a_.trustBalance - a_.fees - a_.costs + a_.credits - retainer;
      if (remaining < 0) {
        a_.balanceNowDue = -remaining;
        a_.trustBalance = 0;
        block.lines.push_back({Balance::BalanceNowDue, a_.balanceNowDue});
      } else {
        a_.balanceNowDue = 0;
        if (remaining > kTrustRemains) {
          a_.trustBalance = remaining;
          block.lines.push_back({Balance::TrustBalance, remaining});
        } else {
          a_.trustBalance = 0;
          block.lines.push_back({a_.openingTrust > kPresent ? Balance::TrustBalance : Balance::BalanceNowDue, 0});
        }
      }
    }
    totals_.currentTrust += a_.trustBalance;
    totals_.balancesNowDue += a_.balanceNowDue;
  }

  void closingNotices() {
    st_.items.emplace_back(ClosingNotices{record_.lateCharges && a_.balanceNowDue > 0});
  }

  const StatementSource& source_;
  const std::string& client_;
  const clients::ClientRecord& record_;
  bool final_;
  GroupActivity& activity_;
  GroupTotals& totals_;
  Statement& st_;
  StatementAmounts& a_;
  std::int32_t category_;
  Walk walk_ = Walk::TimeOnly;
  bool activityShown_ = false;
  bool lastTimeDefined_ = false;
  bool lastCostDefined_ = false;
  double matterHours_ = 0, matterFees_ = 0, matterCosts_ = 0, matterCredits_ = 0;
  std::vector<double> summaryRate_, summaryHours_;
};

attorneys::AttorneyRegister loadRegister(store::Transaction& tx) {
  return attorneys::registerStarted(tx) ? attorneys::loadAttorneyRegister(tx) : attorneys::AttorneyRegister{};
}

}  // namespace

StatementSource::StatementSource(store::Transaction& tx)
    : attorneys_(loadRegister(tx)),
      time_(store::timeRecordTable(), tx),
      costs_(store::costCreditRecordTable(), tx),
      matters_(store::matterTable(), tx) {
  time_.keepRecordsInMemory();
  costs_.keepRecordsInMemory();
  matters_.keepRecordsInMemory();
}

Statement computeStatement(const StatementSource& source, const std::string& client,
                           const clients::ClientRecord& record, bool final, GroupActivity& activity) {
  Statement statement;
  statement.client = client;
  statement.record = record;
  Walker(source, client, record, final, activity, statement).run();
  return statement;
}

std::string noRatesMessage(const std::string& client, const std::string& matter, double date,
                           const std::string& initials) {
  return "TIME RECORD CANNOT BE PROCESSED FOR CLIENT/MATTER " + client + "-" + matter + " ON " +
         document::recordDate(store::fromStoredDate(date)) + " \r\n" +
         "                   NO BILLING RATES ARE PRESENT FOR ATTORNEY " + initials;
}

std::string feeScheduleMessage(const std::string& client, const std::string& matter, std::int32_t schedule) {
  return "BILLING RECORDS ARE PRESENT BUT NOT BEING PROCESSED FOR CLIENT/MATTER " + client + " - " + matter +
         " \r\n" + "                      BILLING RATES ARE NOT PRESENT FOR FEE SCHEDULE " + std::to_string(schedule);
}

std::string undefinedMatterMessage(const std::string& client, const std::string& matter) {
  return "BILLING RECORDS ARE PRESENT BUT NOT BEING PROCESSED FOR MATTER NUMBER " + matter + " \r\n" +
         "               THIS MATTER NUMBER IS NOT DEFINED FOR CLIENT CODE " + client;
}

}  // namespace vrk::statements
