#include "core/sample/sample_office.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <numeric>
#include <set>
#include <stdexcept>
#include <system_error>
#include <utility>
#include <vector>

#include "core/attorneys/attorney_register.h"
#include "core/clients/client_record.h"
#include "core/matters/matter_record.h"
#include "core/records/record_fields.h"
#include "core/statements/statement.h"
#include "core/store/billing_period.h"
#include "core/store/binary_codec.h"
#include "core/store/catalogue.h"
#include "core/store/counts.h"
#include "core/store/dates.h"
#include "core/store/file_io.h"
#include "core/store/record_table.h"
#include "core/store/store_error.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"
#include "core/store/transaction.h"

namespace vrk::sample {
namespace {

// SplitMix64: small, fast, and the same numbers with every compiler and standard library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // 0 .. n-1; 0 when n is 0.
  std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(next() % n); }
  // lo .. hi, both included.
  std::int64_t between(std::int64_t lo, std::int64_t hi) {
    return lo + static_cast<std::int64_t>(below(static_cast<std::size_t>(hi - lo + 1)));
  }
  bool percent(int chance) { return below(100) < static_cast<std::size_t>(chance); }
  template <std::size_t N>
  const char* pick(const char* const (&list)[N]) {
    return list[below(N)];
  }

 private:
  std::uint64_t state_;
};

// Picks indices with the given weights.
class WeightedChoice {
 public:
  void add(std::uint64_t weight) { cumulative_.push_back(total_ += weight); }
  bool empty() const { return total_ == 0; }
  std::size_t pick(Random& random) const {
    const std::uint64_t point = random.next() % total_;
    return static_cast<std::size_t>(std::upper_bound(cumulative_.begin(), cumulative_.end(), point) -
                                    cumulative_.begin());
  }

 private:
  std::vector<std::uint64_t> cumulative_;
  std::uint64_t total_ = 0;
};

// ---- Words the office is made of --------------------------------------------------------------

const char* const kFirstNames[] = {
    "Alice",  "Brian",  "Carla",  "Daniel", "Elena",   "Frank",  "Grace",    "Henry",  "Irene",  "James",
    "Karen",  "Louis",  "Maria",  "Nathan", "Olivia",  "Peter",  "Quinn",    "Rachel", "Samuel", "Teresa",
    "Victor", "Wendy",  "Xavier", "Yvonne", "Zachary", "Andrew", "Beatrice", "Colin",  "Diane",  "Edward",
    "Fiona",  "George", "Helen",  "Isaac",  "Julia",   "Kevin",  "Laura",    "Martin", "Nora",   "Oscar"};
const char* const kSurnames[] = {
    "Abbott",    "Alvarez", "Baker",   "Barnes",    "Bennett", "Brooks",   "Carter",  "Castillo", "Chen",
    "Coleman",   "Dawson",  "Delgado", "Ellis",     "Evans",   "Fischer",  "Fleming", "Foster",   "Garcia",
    "Gibson",    "Grant",   "Hale",    "Hammond",   "Harper",  "Hughes",   "Ingram",  "Jensen",   "Keller",
    "Kim",       "Lambert", "Lawson",  "Lindqvist", "Lopez",   "Marsh",    "Meyer",   "Moreno",   "Nash",
    "Nguyen",    "Novak",   "Okafor",  "Olsen",     "Owens",   "Patel",    "Perry",   "Quinlan",  "Ramirez",
    "Reyes",     "Russo",   "Sanders", "Schmidt",   "Shaw",    "Sullivan", "Tanaka",  "Thornton", "Turner",
    "Underwood", "Vance",   "Vargas",  "Walsh",     "Webb",    "Whitaker", "Young",   "Zimmerman"};
const char* const kTradeWords[] = {"Harbor",    "Summit",  "Riverside", "Granite",   "Maple",
                                   "Pioneer",   "Beacon",  "Cedar",     "Northgate", "Lakeside",
                                   "Keystone",  "Prairie", "Redwood",   "Union",     "Coastal",
                                   "Hillcrest", "Valley",  "Meridian",  "Oakwood",   "Sterling"};
const char* const kTrades[] = {"Marine Supply", "Builders",   "Dental Group", "Logistics", "Bakery",
                               "Auto Repair",   "Properties", "Farms",        "Printing",  "Hardware",
                               "Software",      "Realty",     "Landscaping",  "Medical",   "Foods"};
const char* const kCompanySuffixes[] = {"Inc.", "LLC", "Co.", "Corp.", "Ltd.", "Partners"};
const char* const kOverheadNames[] = {"Firm Administration", "Business Development", "Continuing Education",
                                      "Pro Bono Matters",    "Bar Association Work", "Recruiting"};
const char* const kStreets[] = {"Main Street", "Elm Street",    "Oak Avenue", "Harbor Road",  "Park Place",
                                "Mill Lane",   "Church Street", "Lake Drive", "Pine Street",  "Market Street",
                                "High Street", "Water Street",  "Ridge Road", "Maple Avenue", "Union Square"};
const char* const kCities[] = {"Springfield, IL 62701", "Dover, DE 19901",      "Reno, NV 89501",
                               "Salem, OR 97301",       "Madison, WI 53703",    "Concord, NH 03301",
                               "Helena, MT 59601",      "Augusta, ME 04330",    "Columbia, SC 29201",
                               "Trenton, NJ 08608",     "Albany, NY 12207",     "Bismarck, ND 58501",
                               "Frankfort, KY 40601",   "Montpelier, VT 05602", "Topeka, KS 66603"};
const char* const kHourlyMatters[] = {
    "General corporate",    "Annual filings",         "Lease review",
    "Contract dispute",     "Employment agreement",   "Purchase of real estate",
    "Estate planning",      "Trademark registration", "Collection matter",
    "Zoning variance",      "Partnership agreement",  "Property tax appeal",
    "Loan documents",       "Will and trust",         "Divorce",
    "Custody modification", "Sale of business",       "Landlord-tenant dispute"};
const char* const kContingentMatters[] = {"Personal injury - auto accident",
                                          "Slip and fall",
                                          "Medical malpractice claim",
                                          "Workers' compensation claim",
                                          "Product liability claim",
                                          "Wrongful termination",
                                          "Dog bite injury",
                                          "Construction site injury"};
const char* const kOverheadMatters[] = {"Office administration", "Marketing",      "Seminars",
                                        "Library and research",  "Staff training", "Committee work"};
const char* const kTasks[] = {"Telephone conference with client",
                              "Review correspondence",
                              "Draft letter to opposing counsel",
                              "Research case law",
                              "Draft motion to compel",
                              "Prepare for deposition",
                              "Attend deposition",
                              "Attend hearing",
                              "Review and revise agreement",
                              "Draft complaint",
                              "Prepare discovery responses",
                              "Meeting with client",
                              "Review medical records",
                              "Negotiate settlement",
                              "Prepare closing documents",
                              "Attend closing",
                              "Draft will and power of attorney",
                              "File documents with court",
                              "Review title report",
                              "Prepare trial notebook",
                              "Conference with associate",
                              "Draft memorandum of law"};
const char* const kTaskDetails[] = {"re: settlement terms", "and follow-up letter",  "with opposing counsel",
                                    "re: scheduling order", "regarding open points", "and summary for file"};
const char* const kCosts[] = {"Filing fee",
                              "Photocopies",
                              "Postage",
                              "Courier",
                              "Service of process",
                              "Deposition transcript",
                              "Expert witness fee",
                              "Travel - mileage",
                              "Recording fee",
                              "Long distance calls"};
const char* const kCredits[] = {"Courtesy discount", "Refund of filing fee", "Write-off",
                                "Billing adjustment"};

// ---- Figures as the boxes store them ------------------------------------------------------------

long long whole(std::int64_t cents) { return static_cast<long long>(cents / 100); }
long long part(std::int64_t cents) { return static_cast<long long>(cents % 100); }

std::string format(const char* pattern, long long a, long long b) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, pattern, a, b);
  return buffer;
}

// "00001250.00": an amount as the client and matter boxes store it.
std::string boxAmount(std::int64_t cents) { return format("%08lld.%02lld", whole(cents), part(cents)); }
// "1250.00": an amount as the record dialogs and the statement run store it.
std::string plainAmount(std::int64_t cents) { return format("%lld.%02lld", whole(cents), part(cents)); }
// "00250.00": a fee schedule rate.
std::string boxRate(std::int64_t cents) { return format("%05lld.%02lld", whole(cents), part(cents)); }
// "2.5" / "000120.5": hours of a time record, hours to date of a matter.
std::string hours(std::int64_t tenths) { return format("%lld.%lld", tenths / 10, tenths % 10); }
std::string boxHours(std::int64_t tenths) { return format("%06lld.%lld", tenths / 10, tenths % 10); }
// "0042" for (42, 4).
std::string zeroPadded(std::size_t value, int width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*llu", width, static_cast<unsigned long long>(value));
  return buffer;
}

// ---- The office in memory -----------------------------------------------------------------------

struct Period {
  double first = 0;              // the first day
  std::vector<double> workdays;  // Monday to Friday
  double priorStatement = 0;     // the last day of the month before
};

Period periodOf(const std::string& name) {
  const int month = store::periodMonth(name);
  const int year = store::periodYear(name);
  Period period;
  period.first = store::toStoredDate({year, month, 1});
  const double next =
      month == 12 ? store::toStoredDate({year + 1, 1, 1}) : store::toStoredDate({year, month + 1, 1});
  for (double day = period.first; day < next; day += 1) {
    // Day 0, 30 December 1899, was a Saturday.
    if (store::wholeDay(day) % 7 >= 2) period.workdays.push_back(day);
  }
  period.priorStatement = period.first - 1;
  return period;
}

struct Attorney {
  std::string initials;
  std::int64_t rateCents = 0;  // under fee schedule 1
};

struct Client {
  std::string code;
  int category = 0;
  int group = 0;
  clients::ClientRecord record;
  bool retainer = false;
  std::int64_t balanceCents = 0;
  std::int64_t trustCents = 0;
  std::int64_t paymentCents = 0;
  int payments = 0;
};

struct Matter {
  std::uint32_t client = 0;
  std::string number;
  std::size_t attorney = 0;
  bool active = false;
  matters::MatterRecord record;
};

// A billing record before it is encoded: small, so that 200,000 of them sort quickly.
struct TimeEntry {
  std::uint32_t client = 0;
  std::int32_t matter = -1;  // index into the matters; -1 for matter 0 (retainer services)
  std::int32_t day = 0;      // index into the workdays
  std::uint16_t attorney = 0;
  std::uint16_t tenths = 0;
  std::int32_t rateCents = -1;  // -1: the fee schedule's rate; 0: no charge
  std::uint16_t task = 0;
  std::int16_t detail = -1;
};

struct CostEntry {
  std::uint32_t client = 0;
  std::int32_t matter = 0;
  std::int32_t day = 0;
  bool credit = false;
  std::int32_t cents = 0;
  std::uint16_t what = 0;
  std::int32_t invoice = 0;  // 0: no second line
};

struct PaymentEntry {
  std::uint32_t client = 0;
  std::int32_t day = 0;
  std::int64_t cents = 0;
};

constexpr int kCategoryWeights[clients::kCategoryCount] = {52, 16, 14, 10, 3};
constexpr std::size_t kMaxMatterNumber = 99999;  // five digits
// Keeps a client's payments since the last statement within the 11 characters of its field.
constexpr std::int64_t kPaymentTotalCap = 9'000'000'000;

std::string groupName(int group) {
  return std::string(1, group < 26 ? static_cast<char>('A' + group) : static_cast<char>('0' + group - 26));
}

// A record table written whole. The records come in the table's order (checked here, since the
// table itself checks the order of a sorted text list only); each file is encoded as the table
// encodes it and staged with one write, and the table is loaded back to check its invariants.
// Adding 200,000 records one by one through RecordTable would stage a small patch per record in
// every file of the table and take seconds.
class TableFiller {
 public:
  TableFiller(store::TableLayout layout, std::size_t records)
      : layout_(std::move(layout)), columns_(layout_.columns.size()) {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      const store::ColumnLayout& column = layout_.columns[i];
      if (column.kind == store::ColumnKind::SortedTextList) columns_[i].lines.reserve(records);
      if (column.kind != store::ColumnKind::SortedTextList)
        columns_[i].bytes.reserve(records * (column.kind == store::ColumnKind::Date ? 8 : column.width + 1));
    }
    if (!layout_.slotFile.empty()) data_.reserve(records * layout_.recordSize);
  }

  void append(store::Key key, const std::string& record = {}) {
    if (count_ > 0 && layout_.order(last_, key) > 0)
      throw std::logic_error("sample office: records out of order");
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      const store::ColumnLayout& column = layout_.columns[i];
      std::string& bytes = columns_[i].bytes;
      switch (column.kind) {
        case store::ColumnKind::SortedTextList:
          columns_[i].lines.push_back(std::get<std::string>(key[i]));
          break;
        case store::ColumnKind::Text:
          bytes.resize(bytes.size() + column.width + 1, '\0');
          store::putText(bytes, bytes.size() - column.width - 1, column.width, std::get<std::string>(key[i]));
          break;
        case store::ColumnKind::Date:
          bytes.resize(bytes.size() + 8, '\0');
          store::putDouble(bytes, bytes.size() - 8, std::get<double>(key[i]));
          break;
      }
    }
    if (!layout_.slotFile.empty()) {
      if (record.size() != layout_.recordSize)
        throw std::logic_error("sample office: a record of the wrong size");
      data_ += record;
    }
    ++count_;
    last_ = std::move(key);
  }

  // Stages the counts and every file of the table (none when it is empty), with data slot p at
  // position p and no free slots, then loads the table back.
  void stage(store::Transaction& tx) {
    if (count_ == 0) return;
    const auto n = static_cast<std::int32_t>(count_);
    if (layout_.freeCountSlot == layout_.countSlot + 1) {
      store::writeCounts(tx, layout_.countSlot, {n, 0}, layout_.countsSlotsWhenCreated);
    } else {
      store::writeCounts(tx, layout_.countSlot, {n}, layout_.countsSlotsWhenCreated);
      if (layout_.freeCountSlot >= 0)
        store::writeCounts(tx, layout_.freeCountSlot, {0}, layout_.countsSlotsWhenCreated);
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      const bool list = layout_.columns[i].kind == store::ColumnKind::SortedTextList;
      tx.writeWhole(layout_.columns[i].file,
                    list ? store::formatTextList(columns_[i].lines) : std::move(columns_[i].bytes));
    }
    if (!layout_.slotFile.empty()) {
      std::vector<std::int32_t> slots(count_);
      std::iota(slots.begin(), slots.end(), 0);
      tx.writeWhole(layout_.slotFile, store::encodeInt32s(slots));
      tx.writeWhole(layout_.dataFile, std::move(data_));
    }
    if (store::RecordTable(layout_, tx).size() != count_)
      throw std::logic_error("sample office: a table lost records");
  }

 private:
  struct Column {
    std::string bytes;               // fixed entries
    std::vector<std::string> lines;  // a sorted text list
  };

  store::TableLayout layout_;
  std::vector<Column> columns_;
  std::string data_;
  std::size_t count_ = 0;
  store::Key last_;
};

class OfficeBuilder {
 public:
  OfficeBuilder(const SampleOfficeSize& size, Period period)
      : size_(size), period_(std::move(period)), random_(0x5A4D504C45ULL ^ size.seed) {}

  void build() {
    makeAttorneys();
    makeClients();
    makeMatters();
    makeTime();
    makeCosts();
    makePayments();
  }

  void write(store::Transaction& tx) const;

 private:
  // Each draw is a statement of its own: the operands of + may be evaluated in any order, and
  // the same seed must give the same office whichever compiler built the program.
  std::string personName() {
    const std::string first = random_.pick(kFirstNames);
    return first + " " + random_.pick(kSurnames);
  }
  std::int32_t randomWorkday() { return static_cast<std::int32_t>(random_.below(period_.workdays.size())); }
  double workday(std::int32_t day) const { return period_.workdays[static_cast<std::size_t>(day)]; }

  void makeAttorneys();
  std::int64_t scheduleRate(std::size_t attorney, int schedule) const;
  void makeClients();
  std::string clientName(int category);
  std::array<std::string, clients::kAddressLines> address(const std::string& name, int category);
  void balances(Client& client);
  void showEveryStanding();
  void makeMatters();
  matters::MatterRecord matterRecord(const Client& client, std::size_t attorney);
  void makeTime();
  void makeCosts();
  void makePayments();

  SampleOfficeSize size_;
  Period period_;
  Random random_;
  int scheduleCount_ = 3;
  int groupCount_ = 1;
  std::vector<Attorney> attorneys_;
  std::vector<Client> clients_;  // in client code order
  std::vector<Matter> matters_;  // in the matter table's order
  std::vector<TimeEntry> time_;
  std::vector<CostEntry> costs_;
  std::vector<PaymentEntry> payments_;
};

// ---- Attorneys and fee schedules ----------------------------------------------------------------

void OfficeBuilder::makeAttorneys() {
  const auto count = static_cast<std::size_t>(std::clamp(2 + size_.clients / 250, 3, 40));
  scheduleCount_ = std::min(attorneys::kMaxFeeSchedules, 3 + size_.clients / 2000);
  std::set<std::string> taken;
  while (taken.size() < count) {
    std::string initials(1, random_.pick(kFirstNames)[0]);
    if (random_.percent(30)) initials += static_cast<char>('A' + random_.below(26));
    initials += random_.pick(kSurnames)[0];
    taken.insert(initials);
  }
  std::vector<std::string> sorted(taken.begin(), taken.end());
  store::sortTextList(sorted);
  for (const auto& initials : sorted) {
    // Partners, associates and paralegals.
    const std::size_t kind = random_.below(10);
    const std::int64_t fives =
        kind < 3 ? random_.between(55, 85) : (kind < 8 ? random_.between(30, 48) : random_.between(17, 24));
    attorneys_.push_back({initials, fives * 500});
  }
}

// Ten per cent more per fee schedule, in whole $5.
std::int64_t OfficeBuilder::scheduleRate(std::size_t attorney, int schedule) const {
  return attorneys_[attorney].rateCents * (100 + 10 * (schedule - 1)) / 100 / 500 * 500;
}

// ---- Clients ------------------------------------------------------------------------------------

void OfficeBuilder::makeClients() {
  const auto n = static_cast<std::size_t>(size_.clients);
  groupCount_ = std::min(size_.clients, std::clamp(2 + size_.clients / 100, 3, 20));
  // A few clients picked at random carry each category and each group at least once.
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  for (std::size_t i = 0; i + 1 < n; ++i) std::swap(order[i], order[i + random_.below(n - i)]);
  WeightedChoice category;
  for (const int weight : kCategoryWeights) category.add(static_cast<std::uint64_t>(weight));
  std::vector<Client> made(n);
  for (auto& client : made) {
    client.category = static_cast<int>(category.pick(random_));
    client.group = static_cast<int>(random_.below(static_cast<std::size_t>(groupCount_)));
  }
  for (std::size_t k = 0; k < n && k < static_cast<std::size_t>(clients::kCategoryCount); ++k)
    made[order[k]].category = static_cast<int>(k);
  for (std::size_t k = 0; k < n && k < static_cast<std::size_t>(groupCount_); ++k)
    made[order[k]].group = static_cast<int>(k);

  // Codes as an office makes them: letters of the name and a number, seven characters at most.
  const int digits = n > 9999 ? 5 : 4;
  for (std::size_t i = 0; i < n; ++i) {
    Client& client = made[i];
    const std::string name = clientName(client.category);
    std::string prefix;
    for (const char c : name) {
      if (c >= 'A' && c <= 'Z') prefix += c;
      if (c >= 'a' && c <= 'z') prefix += static_cast<char>(c - 'a' + 'A');
    }
    prefix.resize(static_cast<std::size_t>(static_cast<int>(store::kClientCodeWidth) - digits), 'X');
    client.code = prefix + zeroPadded(i + 1, digits);
    client.record.group = groupName(client.group);
    client.record.address = address(name, client.category);
    client.record.category = client.category;
  }
  // Upper-case letters and digits: the code list's order (ignoring case) is the bytes' order.
  std::sort(made.begin(), made.end(), [](const Client& a, const Client& b) { return a.code < b.code; });
  clients_ = std::move(made);
  for (auto& client : clients_) balances(client);
  showEveryStanding();
}

std::string OfficeBuilder::clientName(int category) {
  if (category == statements::kOverhead) return random_.pick(kOverheadNames);
  const bool company = category <= statements::kSummary ? random_.percent(60) : random_.percent(10);
  if (!company) return random_.percent(4) ? "Estate of " + personName() : personName();
  const std::string surname = random_.pick(kSurnames);
  switch (random_.below(3)) {
    case 0:
      return surname + " " + random_.pick(kCompanySuffixes);
    case 1: {
      const std::string partner = random_.pick(kSurnames);
      return surname + " & " + partner + " " + random_.pick(kCompanySuffixes);
    }
    default: {
      const std::string word = random_.pick(kTradeWords);
      const std::string trade = random_.pick(kTrades);
      return word + " " + trade + " " + random_.pick(kCompanySuffixes);
    }
  }
}

std::array<std::string, clients::kAddressLines> OfficeBuilder::address(const std::string& name,
                                                                       int category) {
  std::vector<std::string> lines{name};
  if (category == statements::kOverhead) {
    lines.push_back("Internal");
  } else {
    if (random_.percent(20)) lines.push_back("Attn: " + personName());
    const std::string number = std::to_string(random_.between(1, 9999));
    lines.push_back(number + " " + random_.pick(kStreets));
    if (random_.percent(10)) lines.push_back("Suite " + std::to_string(random_.between(100, 900)));
    lines.push_back(random_.pick(kCities));
  }
  std::array<std::string, clients::kAddressLines> result;
  for (std::size_t i = 0; i < lines.size() && i < result.size(); ++i) result[i] = lines[i];
  return result;
}

void setAmount(Client& client, clients::Amount amount, std::int64_t cents) {
  client.record.amounts[amount] = boxAmount(cents);
}

void setRetainer(Client& client, std::int64_t cents) {
  client.retainer = true;
  setAmount(client, clients::kMonthlyRetainer, cents);
}

void setBalance(Client& client, std::int64_t due, std::int64_t d30, std::int64_t d60, std::int64_t d90) {
  client.balanceCents = due;
  setAmount(client, clients::kBalanceDue, due);
  setAmount(client, clients::kBalanceDue30Days, d30);
  setAmount(client, clients::kBalanceDue60Days, d60);
  setAmount(client, clients::kBalanceDue90Days, d90);
}

void setTrust(Client& client, std::int64_t cents) {
  client.trustCents = cents;
  setAmount(client, clients::kTrustAccountBalance, cents);
  setBalance(client, 0, 0, 0, 0);
}

// What the last statement left: fees, costs and credits on it, and a balance paid in full, due
// now or partly overdue, or a trust account instead. Contingent clients not billed for costs and
// overhead are billed no balance.
void OfficeBuilder::balances(Client& client) {
  for (auto& amount : client.record.amounts) amount = boxAmount(0);
  client.record.lastStatementDate = period_.priorStatement;
  if (client.category > statements::kContingentBilledCosts) return;
  if (client.category <= statements::kSummary && random_.percent(10))
    setRetainer(client, random_.between(5, 50) * 5000);
  if (random_.percent(5)) {  // a new client: no statement yet
    client.record.lastStatementDate = 0;
    return;
  }
  const std::int64_t fees =
      client.category == statements::kContingentBilledCosts ? 0 : random_.between(15, 1500) * 1000;
  const std::int64_t costs = random_.percent(60) ? random_.between(500, 80000) : 0;
  const std::int64_t credits = std::min(fees + costs, random_.percent(10) ? random_.between(1000, 20000) : 0);
  setAmount(client, clients::kFeesOnLastStatement, fees);
  setAmount(client, clients::kCostsOnLastStatement, costs);
  setAmount(client, clients::kCreditsOnLastStatement, credits);
  client.record.lateCharges = random_.percent(15);
  if (random_.percent(12)) {
    setTrust(client, random_.between(10, 250) * 10000);
    return;
  }
  const std::size_t standing = random_.below(100);
  if (standing < 35) return;  // paid in full
  if (standing < 75) {        // the last statement is due
    setBalance(client, fees + costs - credits, 0, 0, 0);
    return;
  }
  // Overdue: 30 days, or 60, or 90 (each older part at most the newer one).
  const std::int64_t d30 = random_.between(100, 5000) * 100;
  const std::size_t level = 1 + random_.below(3);
  const std::int64_t d60 = level >= 2 ? d30 * random_.between(30, 100) / 100 : 0;
  const std::int64_t d90 = level >= 3 ? d60 * random_.between(30, 100) / 100 : 0;
  setBalance(client, fees + costs - credits + d30, d30, d60, d90);
  client.record.lateCharges = random_.percent(75);
}

// A small office may lack a trust client, a client 90 days overdue with late charges or a
// retainer client by chance: then billed clients are made so, one each, when there are three.
void OfficeBuilder::showEveryStanding() {
  std::vector<Client*> billed;
  for (auto& client : clients_)
    if (client.category <= statements::kContingentBilledCosts) billed.push_back(&client);
  if (billed.size() < 3) return;
  const std::size_t first = random_.below(billed.size());
  std::size_t taken = 0;
  const auto take = [&]() -> Client& {
    Client& client = *billed[(first + taken++) % billed.size()];
    client.record.lastStatementDate = period_.priorStatement;
    return client;
  };
  const auto any = [&](const auto& test) { return std::any_of(clients_.begin(), clients_.end(), test); };
  if (!any([](const Client& c) { return c.trustCents > 0; })) setTrust(take(), 500000);
  if (!any([](const Client& c) {
        return c.record.lateCharges && c.record.amounts[clients::kBalanceDue90Days] != boxAmount(0);
      })) {
    Client& client = take();
    client.trustCents = 0;
    setAmount(client, clients::kTrustAccountBalance, 0);
    setBalance(client, 260000, 180000, 90000, 40000);
    client.record.lateCharges = true;
  }
  if (!any([](const Client& c) { return c.retainer; })) setRetainer(take(), 100000);
}

// ---- Matters ------------------------------------------------------------------------------------

void OfficeBuilder::makeMatters() {
  const std::size_t n = clients_.size();
  const auto total = static_cast<std::size_t>(size_.matters);
  std::vector<std::size_t> counts(n, 0);
  if (total >= n) {
    std::fill(counts.begin(), counts.end(), std::size_t{1});
    for (std::size_t extra = total - n; extra > 0; --extra) {
      std::size_t c = random_.below(n);
      while (counts[c] >= kMaxMatterNumber) c = (c + 1) % n;
      ++counts[c];
    }
  } else {
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    for (std::size_t i = 0; i < total; ++i) {
      std::swap(order[i], order[i + random_.below(n - i)]);
      counts[order[i]] = 1;
    }
  }
  matters_.reserve(total);
  for (std::size_t c = 0; c < n; ++c) {
    const Client& client = clients_[c];
    // Numbered 1, 2, 3 ... or 001, 002 ...; older clients start further on, and closed matters
    // leave gaps while the numbers stay within five digits.
    const bool padded = random_.percent(25);
    std::size_t number =
        std::min(1 + (random_.percent(30) ? random_.below(10) : 0), kMaxMatterNumber + 1 - counts[c]);
    for (std::size_t k = 0; k < counts[c]; ++k) {
      Matter matter;
      matter.client = static_cast<std::uint32_t>(c);
      matter.number = padded ? zeroPadded(number, 3) : std::to_string(number);
      matter.attorney = random_.below(attorneys_.size());
      matter.active = random_.percent(60);
      matter.record = matterRecord(client, matter.attorney);
      matters_.push_back(std::move(matter));
      const std::size_t left = counts[c] - k - 1;
      const bool gap = number + 2 * left + 1 <= kMaxMatterNumber && random_.percent(10);
      number += gap ? 2 : 1;
    }
  }
}

matters::MatterRecord OfficeBuilder::matterRecord(const Client& client, std::size_t attorney) {
  matters::MatterRecord record;
  const int category = client.category;
  if (category == statements::kOverhead) {
    record.description[0] = random_.pick(kOverheadMatters);
  } else if (category >= statements::kContingentBilledCosts) {
    record.description[0] = random_.pick(kContingentMatters);
    record.description[1] = client.record.address[0].substr(0, 20) + " v. " + random_.pick(kSurnames);
  } else {
    record.description[0] = random_.pick(kHourlyMatters);
    if (random_.percent(40)) record.description[1] = "re: " + client.record.address[0].substr(0, 30);
  }
  record.principalAttorney = attorneys_[attorney].initials;
  record.feeSchedule =
      random_.percent(60) ? 1 : static_cast<std::int32_t>(random_.between(1, scheduleCount_));
  const bool opened = random_.percent(10);  // opened this month: nothing to date yet
  record.dateCreated =
      opened ? workday(randomWorkday()) : period_.first - static_cast<double>(random_.between(1, 5 * 365));
  std::int64_t tenths = 0, fees = 0, costs = 0, credits = 0;
  if (!opened && category != statements::kOverhead) {
    tenths = random_.between(0, 3000);
    if (category <= statements::kSummary) fees = tenths * scheduleRate(attorney, record.feeSchedule) / 10;
    costs = random_.between(0, 300000);
    credits = random_.percent(10) ? random_.between(0, 20000) : 0;
  }
  record.hoursToDate = boxHours(tenths);
  record.feesToDate = boxAmount(fees);
  record.costsToDate = boxAmount(costs);
  record.creditsToDate = boxAmount(credits);
  return record;
}

// ---- Billing records ----------------------------------------------------------------------------

void OfficeBuilder::makeTime() {
  // Active matters draw most of the time; retainer clients also get retainer-services time.
  std::vector<std::pair<std::uint32_t, std::int32_t>> targets;
  WeightedChoice choice;
  for (std::size_t c = 0; c < clients_.size(); ++c) {
    if (!clients_[c].retainer) continue;
    targets.emplace_back(static_cast<std::uint32_t>(c), -1);
    choice.add(3);
  }
  for (std::size_t m = 0; m < matters_.size(); ++m) {
    targets.emplace_back(matters_[m].client, static_cast<std::int32_t>(m));
    choice.add(matters_[m].active ? 5 : 1);
  }
  const auto count = static_cast<std::size_t>(size_.time);
  if (count > 0 && choice.empty()) throw std::logic_error("sample office: time records without a matter");
  time_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto& [client, matter] = targets[choice.pick(random_)];
    TimeEntry entry;
    entry.client = client;
    entry.matter = matter;
    entry.day = randomWorkday();
    const bool principal = matter >= 0 && random_.percent(60);
    entry.attorney = static_cast<std::uint16_t>(
        principal ? matters_[static_cast<std::size_t>(matter)].attorney : random_.below(attorneys_.size()));
    const std::size_t length = random_.below(100);
    entry.tenths = static_cast<std::uint16_t>(
        length < 70 ? random_.between(1, 25)
                    : (length < 95 ? random_.between(26, 60) : random_.between(61, 100)));
    const std::size_t rate = random_.below(100);
    if (rate < 4) entry.rateCents = 0;  // no charge
    if (rate >= 4 && rate < 10)
      entry.rateCents = static_cast<std::int32_t>(random_.between(15, 60) * 1000);  // special rate
    entry.task = static_cast<std::uint16_t>(random_.below(std::size(kTasks)));
    if (random_.percent(30)) entry.detail = static_cast<std::int16_t>(random_.below(std::size(kTaskDetails)));
    time_.push_back(entry);
  }
  std::stable_sort(time_.begin(), time_.end(), [](const TimeEntry& a, const TimeEntry& b) {
    if (a.client != b.client) return a.client < b.client;
    if (a.matter != b.matter) return a.matter < b.matter;
    return a.day < b.day;
  });
}

void OfficeBuilder::makeCosts() {
  WeightedChoice choice;
  for (const auto& matter : matters_) choice.add(matter.active ? 5 : 1);
  const auto count = static_cast<std::size_t>(size_.costs);
  if (count > 0 && choice.empty())
    throw std::logic_error("sample office: cost/credit records without a matter");
  costs_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t m = choice.pick(random_);
    CostEntry entry;
    entry.client = matters_[m].client;
    entry.matter = static_cast<std::int32_t>(m);
    entry.day = randomWorkday();
    entry.credit = random_.percent(8);
    if (entry.credit) {
      entry.cents = static_cast<std::int32_t>(random_.between(1000, 30000));
      entry.what = static_cast<std::uint16_t>(random_.below(std::size(kCredits)));
    } else {
      entry.cents = static_cast<std::int32_t>(random_.percent(85) ? random_.between(100, 50000)
                                                                  : random_.between(50000, 500000));
      entry.what = static_cast<std::uint16_t>(random_.below(std::size(kCosts)));
      if (random_.percent(20)) entry.invoice = static_cast<std::int32_t>(random_.between(1000, 99999));
    }
    costs_.push_back(entry);
  }
  std::stable_sort(costs_.begin(), costs_.end(), [](const CostEntry& a, const CostEntry& b) {
    if (a.matter != b.matter) return a.matter < b.matter;  // matters are in client order
    return a.day < b.day;
  });
}

void OfficeBuilder::makePayments() {
  // Clients who owe, hold a trust account or pay a retainer pay; others only when none do.
  std::vector<std::uint32_t> payers, billed;
  for (std::size_t c = 0; c < clients_.size(); ++c) {
    const Client& client = clients_[c];
    if (client.category > statements::kContingentBilledCosts) continue;
    billed.push_back(static_cast<std::uint32_t>(c));
    if (client.balanceCents > 0 || client.trustCents > 0 || client.retainer)
      payers.push_back(static_cast<std::uint32_t>(c));
  }
  if (payers.empty()) payers = billed;
  if (payers.empty())
    for (std::size_t c = 0; c < clients_.size(); ++c) payers.push_back(static_cast<std::uint32_t>(c));
  const auto count = static_cast<std::size_t>(size_.payments);
  payments_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t c = payers[random_.below(payers.size())];
    Client& client = clients_[c];
    std::int64_t cents = random_.between(100, 3000) * 100;
    if (client.trustCents > 0) cents = random_.between(5, 50) * 10000;
    if (client.balanceCents > 0 && client.payments == 0) {
      const std::size_t how = random_.below(100);
      if (how < 50) cents = client.balanceCents;
      if (how >= 50 && how < 80)
        cents = std::max<std::int64_t>(100, client.balanceCents * random_.between(20, 80) / 100 / 100 * 100);
    }
    if (client.paymentCents + cents > kPaymentTotalCap) cents = 100;
    client.paymentCents += cents;
    ++client.payments;
    payments_.push_back({c, randomWorkday(), cents});
  }
  std::stable_sort(payments_.begin(), payments_.end(), [](const PaymentEntry& a, const PaymentEntry& b) {
    if (a.client != b.client) return a.client < b.client;
    return a.day < b.day;
  });
  // The payments dialog keeps each client's total since the last statement.
  for (auto& client : clients_)
    if (client.payments > 0)
      client.record.amounts[clients::kPaymentsSinceLastStatement] = plainAmount(client.paymentCents);
}

// ---- Writing ------------------------------------------------------------------------------------

void OfficeBuilder::write(store::Transaction& tx) const {
  attorneys::AttorneyRegister reg;
  reg.scheduleCount = scheduleCount_;
  for (std::size_t a = 0; a < attorneys_.size(); ++a) {
    reg.initials.push_back(attorneys_[a].initials);
    attorneys::RateRecord rates;
    for (int k = 1; k <= scheduleCount_; ++k)
      rates[static_cast<std::size_t>(k - 1)] = boxRate(scheduleRate(a, k));
    reg.rates.push_back(rates);
  }
  attorneys::stageAttorneyRegister(tx, reg);

  {
    TableFiller table(store::clientTable(), clients_.size());
    for (const auto& client : clients_)
      table.append({client.code}, clients::encodeClientRecord(client.record));
    table.stage(tx);
  }
  // Every group a client names, once.
  std::vector<std::string> groups;
  for (const auto& client : clients_) groups.push_back(client.record.group);
  store::sortTextList(groups);
  tx.writeWhole(store::files::kClientGroups, store::formatTextList(groups));

  {
    TableFiller table(store::matterTable(), matters_.size());
    for (const auto& matter : matters_)
      table.append({clients_[matter.client].code, matter.number}, matters::encodeMatterRecord(matter.record));
    table.stage(tx);
  }
  {
    TableFiller table(store::timeRecordTable(), time_.size());
    for (const auto& entry : time_) {
      records::TimeRecord record;
      record.initials = attorneys_[entry.attorney].initials;
      record.time = hours(entry.tenths);
      if (entry.rateCents == 0) record.rate = "0";
      if (entry.rateCents > 0) record.rate = plainAmount(entry.rateCents);
      record.description[0] = kTasks[entry.task];
      if (entry.detail >= 0) record.description[1] = kTaskDetails[entry.detail];
      const std::string matter =
          entry.matter < 0 ? "0" : matters_[static_cast<std::size_t>(entry.matter)].number;
      table.append({clients_[entry.client].code, matter, workday(entry.day)},
                   records::encodeTimeRecord(record));
    }
    table.stage(tx);
  }
  {
    TableFiller table(store::costCreditRecordTable(), costs_.size());
    for (const auto& entry : costs_) {
      records::CostCreditRecord record;
      record.kind = entry.credit ? records::kCredit : records::kCost;
      record.amount = plainAmount(entry.cents);
      record.description[0] = entry.credit ? kCredits[entry.what] : kCosts[entry.what];
      if (entry.invoice > 0) record.description[1] = "Invoice no. " + std::to_string(entry.invoice);
      table.append({clients_[entry.client].code, matters_[static_cast<std::size_t>(entry.matter)].number,
                    workday(entry.day)},
                   records::encodeCostCreditRecord(record));
    }
    table.stage(tx);
  }
  {
    TableFiller table(store::paymentRecordTable(), payments_.size());
    for (const auto& entry : payments_)
      table.append({clients_[entry.client].code, workday(entry.day), plainAmount(entry.cents)});
    table.stage(tx);
  }
}

std::string folderName(const std::filesystem::path& folder) {
  return (folder.has_filename() ? folder.filename() : folder.parent_path().filename()).string();
}

}  // namespace

std::string sizeProblem(const SampleOfficeSize& size) {
  if (size.clients < 1 || size.clients > kMaxSampleClients)
    return "clients must be from 1 to " + std::to_string(kMaxSampleClients);
  const std::pair<const char*, int> counts[] = {
      {"matters", size.matters}, {"time", size.time}, {"costs", size.costs}, {"payments", size.payments}};
  for (const auto& [name, value] : counts)
    if (value < 0 || value > kMaxSampleRecords)
      return std::string(name) + " must be from 0 to " + std::to_string(kMaxSampleRecords);
  if (size.matters == 0 && (size.time > 0 || size.costs > 0))
    return "time and cost/credit records need at least one matter";
  if (static_cast<std::uint64_t>(size.matters) > static_cast<std::uint64_t>(size.clients) * kMaxMatterNumber)
    return "more matters than " + std::to_string(size.clients) + " clients can number";
  return {};
}

std::optional<std::string> existingDataFile(const std::filesystem::path& folder) {
  namespace files = store::files;
  std::vector<std::string> names{files::kDimensions};
  const auto& counted = store::countedFiles();
  names.insert(names.end(), counted.begin(), counted.end());
  names.insert(names.end(), {files::kClientGroupsWithFinalStatements, files::kBillingActivityReport,
                             files::kAttorneyActivityReport});
  for (const auto& name : names)
    if (store::io::fileSize(folder / name)) return name;
  return std::nullopt;
}

void writeSampleOffice(const std::filesystem::path& folder, const SampleOfficeSize& size) {
  if (const std::string problem = sizeProblem(size); !problem.empty()) throw std::invalid_argument(problem);
  const std::string period = folderName(folder);
  if (!store::isBillingPeriod(period))
    throw std::invalid_argument("the folder is not named as a billing period (MMYYYY): " + folder.string());
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error) && !store::io::createDirectory(folder, error))
    throw store::StoreError(folder, "The folder could not be created (" + error.message() + ")");
  store::Transaction tx(folder);  // finishes an interrupted save first
  if (const auto file = existingDataFile(folder))
    throw std::invalid_argument("the folder already holds data files (" + *file + "): " + folder.string());
  OfficeBuilder builder(size, periodOf(period));
  builder.build();
  builder.write(tx);
  tx.commit();
}

}  // namespace vrk::sample
