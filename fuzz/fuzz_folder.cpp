// A whole data directory of any bytes: its billing-period folders are unpacked from the input, then
// every document core can build is made from them and one operation of each subsystem is saved
// into them, as the dialogs and vrk-batch would. A file error (StoreError) or any other exception
// is a refusal the program shows in a box; only a crash or a sanitizer report is a finding.
//
// The input is a list of entries, each one byte naming a file, a 4-byte little-endian length and
// that many bytes (cut short at the input's end). The name byte's low six bits pick a name of
// kNames (taken modulo its size plus one: the last index is the run's choices, not a file), its
// two high bits the folder: 0 and 3 the current period 072001, 1 the next period 082001, 2 the
// prior period 062001. A later entry for the same file replaces the earlier one. At most 1 MiB is
// unpacked. Every run starts from an empty data directory holding these folders (072001 always).
//
// Seed inputs come from real folders:
//   fuzz_folder --pack DIR OUT [PART...]
//       DIR: a period folder (packed as 072001) or a data directory holding 062001, 072001 and
//       082001 folders; with PART numbers (Part below) a choices entry running only those parts
//   fuzz_folder --pack-interrupted DIR OUT [PART...]
//       as --pack, after a final run over the folder stopped as a crash would with both folders'
//       journals sealed
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/attorneys/add_attorney.h"
#include "core/attorneys/add_fee_schedule.h"
#include "core/attorneys/change_attorney.h"
#include "core/attorneys/delete_attorney.h"
#include "core/attorneys/delete_fee_schedule.h"
#include "core/attorneys/display_fee_schedules.h"
#include "core/clients/add_client.h"
#include "core/clients/change_client.h"
#include "core/clients/delete_client.h"
#include "core/clients/delete_client_group.h"
#include "core/clients/display_client.h"
#include "core/clients/display_client_codes.h"
#include "core/dialog/prompter.h"
#include "core/matters/add_matter.h"
#include "core/matters/change_matter.h"
#include "core/matters/delete_matter.h"
#include "core/matters/display_matter.h"
#include "core/records/cost_credit_records.h"
#include "core/records/payments.h"
#include "core/records/record_editors.h"
#include "core/records/record_listing.h"
#include "core/records/time_records.h"
#include "core/reports/aged_accounts.h"
#include "core/reports/cumulative_payments.h"
#include "core/reports/cumulative_reports.h"
#include "core/reports/mailing_labels.h"
#include "core/reports/matter_list_reports.h"
#include "core/rules/box_text.h"
#include "core/rules/input_rules.h"
#include "core/services/settings_store.h"
#include "core/shell/commands.h"
#include "core/shell/guards.h"
#include "core/statements/period_activity_reports.h"
#include "core/statements/statement_run.h"
#include "core/store/billing_period.h"
#include "core/store/binary_codec.h"
#include "core/store/catalogue.h"
#include "core/store/journal.h"
#include "core/store/presence_report.h"
#include "core/store/store_error.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"
#include "core/store/transaction.h"

namespace {

namespace fs = std::filesystem;
using namespace vrk;
namespace files = store::files;

constexpr const char* kNames[] = {
    files::kDimensions,
    files::kAttorneyInitials,
    files::kFeeSchedules,
    files::kClientCodes,
    files::kClientGroups,
    files::kClientData,
    files::kClientIndicesInUse,
    files::kClientIndicesNotInUse,
    files::kMatterClientCodesArray,
    files::kMatterNumbersArray,
    files::kMatterIndicesInUse,
    files::kMatterIndicesNotInUse,
    files::kMatterData,
    files::kTimeRecordClientCodesArray,
    files::kTimeRecordMatterNumbersArray,
    files::kTimeRecordDatesArray,
    files::kTimeRecordIndicesInUse,
    files::kTimeRecordIndicesNotInUse,
    files::kTimeRecordData,
    files::kCostCreditRecordClientCodesArray,
    files::kCostCreditRecordMatterNumbersArray,
    files::kCostCreditRecordDatesArray,
    files::kCostCreditRecordIndicesInUse,
    files::kCostCreditRecordIndicesNotInUse,
    files::kCostCreditRecordData,
    files::kPaymentRecordClientCodesArray,
    files::kPaymentRecordDatesArray,
    files::kPaymentRecordAmountsArray,
    files::kClientGroupsWithFinalStatements,
    files::kBillingActivityReport,
    files::kAttorneyActivityReport,
    store::kJournalName,
    store::kPartialJournalName,
    store::journal::kStampName,
};
constexpr std::size_t kNameCount = std::size(kNames);
constexpr std::size_t kChoices = kNameCount;  // the name index of the choices entry
static_assert(kNameCount + 1 <= 64, "a name index has six bits");

constexpr const char* kPeriod = "072001";
constexpr const char* kPeriods[] = {"072001", "082001", "062001"};  // by the name byte's high bits
constexpr std::size_t kMaxUnpacked = 1 << 20;                       // bytes over all files

struct Entry {
  std::size_t folder = 0;  // index into kPeriods
  std::size_t name = 0;    // index into kNames, or kChoices
  std::string bytes;
};

std::vector<Entry> unpack(const std::uint8_t* data, std::size_t size) {
  std::vector<Entry> entries;
  std::size_t at = 0;
  std::size_t total = 0;
  while (at < size) {
    const std::uint8_t named = data[at++];
    std::uint32_t length = 0;
    for (int k = 0; k < 4; ++k, ++at)
      if (at < size) length |= static_cast<std::uint32_t>(data[at]) << (8 * k);
    at = std::min(at, size);
    const std::size_t taken = std::min({static_cast<std::size_t>(length), size - at, kMaxUnpacked - total});
    Entry entry;
    entry.folder = (named >> 6) % std::size(kPeriods);
    entry.name = (named & 0x3fU) % (kNameCount + 1);
    entry.bytes.assign(reinterpret_cast<const char*>(data + at), taken);
    at += taken;
    total += taken;
    entries.push_back(std::move(entry));
  }
  return entries;
}

void appendEntry(std::string& out, std::size_t folder, std::size_t name, const std::string& bytes) {
  out += static_cast<char>(folder << 6 | name);
  const auto length = static_cast<std::uint32_t>(bytes.size());
  for (int k = 0; k < 4; ++k) out += static_cast<char>((length >> (8 * k)) & 0xffU);
  out += bytes;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The choices of one run, read from the choices entry (zeros when there is none).
struct Choices {
  std::uint8_t client = 0;
  std::uint8_t matter = 0;
  std::uint8_t group = 0;
  std::uint8_t attorney = 0;
  // 1: answer Yes; 2: one group's runs, not all groups'; 4: custom rates; 8: a credit, not a cost;
  // 16: every client's labels; 32: the screen forms; 64: delete a group, not a client.
  std::uint8_t flags = 0;
  unsigned parts = 0;  // the parts of the run (Part), two bytes little-endian; 0: all

  explicit Choices(const std::string& bytes) {
    const auto at = [&](std::size_t k) { return k < bytes.size() ? static_cast<std::uint8_t>(bytes[k]) : 0; };
    client = at(0);
    matter = at(1);
    group = at(2);
    attorney = at(3);
    flags = at(4);
    parts = static_cast<unsigned>(at(5) | at(6) << 8);
  }
};

// A temporary data directory, made once and removed at exit; every run starts it afresh.
struct Scratch {
  fs::path root;
  fs::path data;
  std::string dataFilesPath;  // ends in a separator, as the setting does

  Scratch() {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "vrk-fuzz-folder-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    root = pattern;
    data = root / "VRK DATA FILES";
    dataFilesPath = data.string() + "/";
  }
  ~Scratch() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
  fs::path folder(const std::string& period) const {
    return store::billingPeriodFolder(dataFilesPath, period);
  }

  void reset(const std::vector<Entry>& entries) const {
    fs::remove_all(data);
    fs::create_directory(data);
    fs::create_directory(folder(kPeriod));
    for (const auto& entry : entries) {
      if (entry.name == kChoices) continue;
      const fs::path dir = folder(kPeriods[entry.folder]);
      fs::create_directory(dir);
      writeFile(dir / kNames[entry.name], entry.bytes);
    }
  }
};

Scratch& scratch() {
  static Scratch made;
  return made;
}

bool strict = false;  // FUZZ_FOLDER_STRICT set: an exception other than StoreError aborts

template <typename Step>
void attempt(const char* name, Step&& step) {
  try {
    step();
  } catch (const store::StoreError&) {
  } catch (const std::exception& error) {
    if (strict) {
      std::fprintf(stderr, "%s: unexpected %s\n", name, error.what());
      std::abort();
    }
  }
}

// An entry of a list the dialog offers, as the user would pick it; `fallback` when the list is
// empty or the entry breaks the rule the dialog checks typed text against.
std::string pick(const std::vector<std::string>& list, std::uint8_t choice, bool (*rule)(const std::string&),
                 const std::string& fallback) {
  if (list.empty()) return fallback;
  const std::string& entry = list[choice % list.size()];
  return rule(entry) ? entry : fallback;
}

bool anyText(const std::string&) { return true; }

std::string box(const std::optional<std::string>& text) { return text.value_or("$"); }

constexpr store::CalendarDate kToday{2001, 7, 31};

// What one run does, in parts: the choices entry's parts mask picks them (none given: all), so
// that most runs stay short while each part is reached.
enum Part : unsigned {
  kChecksAndGuards,
  kClientDocuments,  // client data, client codes, mailing labels
  kMatterDocuments,  // matter data, matter lists, all matter data
  kListings,         // fee schedules, record listings, aged accounts
  kActivityReports,
  kCumulativeReports,
  kClientDraft,
  kGroupDrafts,
  kReviewBillingRecords,  // the time and cost/credit editors
  kReviewOthers,          // the payment and matter editors
  kAddClientsAndAttorneys,
  kAddBillingRecords,
  kChanges,
  kFinalRun,
  kDeleteRecords,
  kDeleteClientsAndAttorneys,
  kPartCount
};
static_assert(kPartCount <= 16, "the parts mask has two bytes");

class FolderRun {
 public:
  FolderRun(const Scratch& scratch, const Choices& choices)
      : dataFilesPath_(scratch.dataFilesPath),
        folder_(scratch.folder(kPeriod)),
        choices_(choices),
        prompter_(choices.flags & 1) {}

  void run(const std::vector<Entry>& entries) {
    // Opening the period finishes or sets aside a save a crash interrupted (a save spanning two
    // folders from either of them); a journal in the other folders alone is met when they open.
    attempt("open period", [&] { (void)store::ensureBillingPeriodFolder(folder_); });
    readLists(entries);
    using Step = void (FolderRun::*)();
    static constexpr Step kParts[kPartCount] = {&FolderRun::checksAndGuards,
                                                &FolderRun::clientDocuments,
                                                &FolderRun::matterDocuments,
                                                &FolderRun::listings,
                                                &FolderRun::periodActivityReports,
                                                &FolderRun::cumulativeReports,
                                                &FolderRun::clientDraft,
                                                &FolderRun::groupDrafts,
                                                &FolderRun::reviewBillingRecords,
                                                &FolderRun::reviewOthers,
                                                &FolderRun::addClientsAndAttorneys,
                                                &FolderRun::addBillingRecords,
                                                &FolderRun::changes,
                                                &FolderRun::finalRun,
                                                &FolderRun::deleteRecords,
                                                &FolderRun::deleteClientsAndAttorneys};
    const unsigned parts = choices_.parts ? choices_.parts : (1U << kPartCount) - 1;
    for (unsigned part = 0; part < kPartCount; ++part)
      if (parts & (1U << part)) (this->*kParts[part])();
  }

 private:
  // The lists the dialogs offer, read from the unpacked bytes of the current period (no file is
  // opened, so this costs nothing against the parts): the first entry of each list, or the one
  // the choices pick.
  void readLists(const std::vector<Entry>& entries) {
    const auto bytesOf = [&](const char* name) {
      std::string bytes;
      for (const auto& entry : entries)
        if (entry.folder == 0 && entry.name < kNameCount && std::string_view(kNames[entry.name]) == name)
          bytes = entry.bytes;
      return bytes;
    };
    client_ = pick(store::parseTextList(bytesOf(files::kClientCodes)), choices_.client, rules::isClientCode,
                   "ACME");
    group_ =
        pick(store::parseTextList(bytesOf(files::kClientGroups)), choices_.group, rules::isClientGroup, "A");
    attorney_ = pick(store::parseTextList(bytesOf(files::kAttorneyInitials)), choices_.attorney,
                     rules::isAttorneyInitials, "JD");
    const std::string clients = bytesOf(files::kMatterClientCodesArray);
    const std::string numbers = bytesOf(files::kMatterNumbersArray);
    const std::size_t matters = std::min(clients.size() / (store::kClientCodeWidth + 1),
                                         numbers.size() / (store::kMatterNumberWidth + 1));
    if (matters > 0) {
      const std::size_t k = choices_.matter % matters;
      const matters::MatterKey key{
          store::getText(clients, k * (store::kClientCodeWidth + 1), store::kClientCodeWidth),
          store::getText(numbers, k * (store::kMatterNumberWidth + 1), store::kMatterNumberWidth)};
      if (rules::isClientCode(key.client) && rules::isWholeNumber(key.number)) matter_ = key;
    }
  }

  // The presence checks, and the guards of each main-window command (once per list of guards).
  void checksAndGuards() {
    attempt("checks", [&] { (void)store::presenceReport(folder_, kPeriod); });
    attempt("guards", [&] {
      std::vector<const std::vector<shell::Guard>*> seen;
      for (const auto& command : shell::commands()) {
        if (std::find_if(seen.begin(), seen.end(), [&](const auto* g) { return *g == command.guards; }) !=
            seen.end())
          continue;
        seen.push_back(&command.guards);
        (void)shell::runGuards(command, dataFilesPath_, kPeriod, prompter_);
      }
    });
  }

  void clientDocuments() {
    attempt("client data", [&] {
      clients::DisplayClient logic(folder_, kPeriod);
      (void)logic.display(pick(logic.codes(), choices_.client, anyText, client_));
      (void)logic.print(kToday);
    });
    attempt("client codes", [&] {
      clients::DisplayClientCodes logic(folder_, kPeriod);
      (void)logic.display(group_);
      (void)logic.print(group_, kToday);
    });
    attempt("mailing labels", [&] {
      const auto choice = (choices_.flags & 16) ? reports::LabelChoice::AllClients
                                                : reports::LabelChoice::ClientsWithBillingActivity;
      (void)reports::mailingLabels(folder_, choice);
    });
    attempt("mailing labels", [&] {
      reports::SelectedClientLabels logic(folder_);
      (void)logic.select(client_);
      (void)logic.select(
          pick(logic.codes(), static_cast<std::uint8_t>(choices_.client + 1), anyText, client_));
      (void)logic.print();
    });
  }

  void matterDocuments() {
    attempt("matter data", [&] {
      matters::DisplayMatter logic(folder_);
      (void)logic.selection().display(matter_.client, matter_.number);
      (void)logic.print(kPeriod, kToday);
    });
    attempt("matter lists", [&] { (void)reports::loadMatterListDialogLists(folder_); });
    const reports::MatterListRun run{kPeriod, kToday, sink(), {}};
    attempt("matter list",
            [&] { (void)reports::runMatterList(folder_, reports::MatterListKind::AllClients, "", run); });
    attempt("matter list", [&] {
      (void)reports::runMatterList(folder_, reports::MatterListKind::ClientGroup, group_, run);
    });
    attempt("matter list",
            [&] { (void)reports::runMatterList(folder_, reports::MatterListKind::Client, client_, run); });
    attempt("all matter data", [&] {
      (void)reports::printAllMatterData(folder_, client_, {kPeriod, kToday, document::SinkKind::Printer, {}});
    });
  }

  void listings() {
    attempt("fee schedules",
            [&] { (void)attorneys::DisplayFeeSchedules(folder_).printout(kPeriod, kToday); });
    for (const auto kind :
         {records::ListedKind::Time, records::ListedKind::CostCredit, records::ListedKind::Payment})
      attempt("records", [&] { (void)records::recordListing(folder_, kind, client_); });
    attempt("aged accounts", [&] {
      store::Transaction tx(folder_);
      (void)reports::agedAccountsReport(tx, {kPeriod, kToday}, sink());
    });
  }

  void periodActivityReports() {
    attempt("attorney activity", [&] {
      const store::Transaction tx(folder_);
      (void)statements::periodAttorneyActivityReport(tx, kPeriod, kToday, sink());
    });
    attempt("billing activity", [&] {
      const store::Transaction tx(folder_);
      (void)statements::periodBillingActivityReport(tx, kPeriod, kToday, sink());
    });
    attempt("activity gate", [&] {
      (void)shell::activityReportGate(folder_, files::kAttorneyActivityReport);
      (void)shell::activityReportGate(folder_, files::kBillingActivityReport);
    });
  }

  // Over the prior, the current and the next period, so that the month walk meets a missing
  // folder and files of each kind in turn.
  void cumulativeReports() {
    const reports::PeriodBoxes periods{"6", "2001", "8", "2001"};
    reports::ReportRun run;
    run.today = kToday;
    if (choices_.flags & 4) {
      run.rates = reports::RateChoice::Custom;
      run.askRate = [](const std::string&) { return 125.0; };
    }
    for (const auto kind : {reports::MatterReportKind::HoursAndFees, reports::MatterReportKind::Costs,
                            reports::MatterReportKind::Credits})
      attempt("cumulative", [&] {
        const reports::CumulativeMatterReport report(dataFilesPath_, kPeriod, kind);
        (void)report.print({matter_.client, matter_.number, periods, {"FUZZ", "", "REPORT"}}, run);
      });
    attempt("cumulative payments", [&] {
      const reports::CumulativePaymentsReport report(dataFilesPath_, kPeriod);
      (void)report.print({client_, periods}, run);
    });
  }

  document::SinkKind sink() const {
    return (choices_.flags & 32) ? document::SinkKind::Screen : document::SinkKind::Printer;
  }

  statements::RunOptions runOptions(document::SinkKind kind) const {
    statements::RunOptions options;
    options.statementDate = kToday;
    options.sink = kind;
    return options;
  }

  void clientDraft() {
    attempt("run lists", [&] { (void)statements::loadRunDialogLists(folder_); });
    attempt("draft", [&] { (void)statements::runClientDraft(folder_, client_, runOptions(sink())); });
  }

  void groupDrafts() {
    services::MemorySettingsStore settings;
    attempt("drafts", [&] {
      if (choices_.flags & 2)
        (void)statements::runGroup(folder_, group_, false, settings, runOptions(document::SinkKind::Printer));
      else
        (void)statements::runAllGroups(folder_, false, settings, runOptions(document::SinkKind::Printer));
    });
  }

  // Next, Next, Back, then Save of what is shown, as a user reviewing a client's records would.
  template <typename Editor>
  void review(const char* name) {
    attempt(name, [&] {
      Editor editor(folder_);
      for (const auto direction :
           {records::Direction::Next, records::Direction::Next, records::Direction::Back})
        (void)editor.step(direction, client_);
      if (editor.shown()) (void)editor.save(*editor.shown());
    });
  }

  void reviewBillingRecords() {
    review<records::TimeRecordEditor>("review time");
    review<records::CostCreditRecordEditor>("review cost/credit");
  }

  void reviewOthers() {
    review<records::PaymentRecordEditor>("review payments");
    review<records::MatterEditor>("review matters");
  }

  void addClientsAndAttorneys() {
    attempt("add client", [&] {
      clients::ClientFields fields;
      fields.code = "ZFUZZ";
      fields.group = group_;
      fields.address = {"ZED FUZZ", "1 MAIN STREET", "ANYTOWN"};
      fields.category = choices_.flags % clients::kCategoryCount;
      fields.lastStatement = kToday;
      for (auto& amount : fields.amounts) amount = box(rules::amountBoxText("12.50"));
      (void)clients::AddClient(folder_).save(fields);
    });
    attempt("add matter", [&] {
      matters::AddMatter logic(folder_);
      matters::MatterBoxes boxes;
      boxes.client = client_;
      boxes.number = "9" + std::to_string(choices_.matter);
      boxes.description = {"FUZZ MATTER"};
      boxes.dateCreated = kToday;
      boxes.attorney = attorney_;
      if (logic.lists().scheduleCount > 0) boxes.feeSchedule = "1";
      boxes.hours = box(rules::hoursBoxText("2.5"));
      boxes.fees = box(rules::amountBoxText("100", rules::ExtraDecimals::ZerosDropped));
      boxes.costs = box(rules::amountBoxText("20", rules::ExtraDecimals::ZerosDropped));
      boxes.credits = box(rules::amountBoxText("0", rules::ExtraDecimals::ZerosDropped));
      (void)logic.save(boxes);
    });
    attempt("add attorney", [&] {
      attorneys::AddAttorneyInput input{"ZZZ", {}};
      for (auto& rate : input.rateBoxes) rate = box(rules::rateBoxText("150"));
      (void)attorneys::AddAttorney(folder_).save(input);
    });
    attempt("add fee schedule", [&] {
      attorneys::AddFeeSchedule logic(folder_);
      if (logic.mode() == attorneys::AddScheduleMode::FirstUse) {
        logic.setCell(1, 0, "ZY");
        logic.setCell(1, 1, "$175.00");
      } else {
        for (int row = 1; row < logic.grid().rowCount(); ++row)
          logic.setCell(row, logic.newSchedule(), "$175.00");
      }
      (void)logic.save();
    });
  }

  void addBillingRecords() {
    store::CalendarDate lastEntry = kToday;
    attempt("add time record", [&] {
      records::TimeBoxes boxes;
      boxes.client = matter_.client;
      boxes.matter = matter_.number;
      boxes.date = kToday;
      boxes.attorney = attorney_;
      boxes.time = "1.5";
      boxes.rate = "$";
      boxes.description = {"FUZZ TIME"};
      (void)records::AddTimeRecord(folder_).save(boxes, lastEntry);
    });
    attempt("add cost/credit record", [&] {
      records::CostCreditBoxes boxes;
      boxes.client = matter_.client;
      boxes.matter = matter_.number;
      boxes.date = kToday;
      boxes.kind = (choices_.flags & 8) ? records::kCredit : records::kCost;
      boxes.amount = "25.00";
      boxes.description = {"FUZZ COST"};
      (void)records::AddCostCreditRecord(folder_).save(boxes, lastEntry);
    });
    attempt("add payment", [&] {
      records::PaymentBoxes boxes{client_, kToday, "100.00"};
      (void)records::AddPayment(folder_).save(boxes, lastEntry);
    });
  }

  void changes() {
    attempt("change client", [&] {
      clients::ChangeClient logic(folder_);
      (void)logic.display(client_);
      if (!logic.shown()) return;
      clients::ClientFields fields = logic.shown()->fields;
      fields.address.resize(clients::kAddressLines);
      fields.address[5] = "CHANGED";
      (void)logic.save(fields);
    });
    attempt("change matter", [&] {
      matters::ChangeMatter logic(folder_);
      (void)logic.selection().display(matter_.client, matter_.number);
      if (!logic.selection().displayed()) return;
      matters::MatterBoxes boxes = logic.selection().displayedBoxes();
      boxes.description.resize(matters::kDescriptionLines);
      boxes.description[3] = "CHANGED";
      (void)logic.save(boxes);
    });
    attempt("change attorney", [&] {
      attorneys::ChangeAttorney logic(folder_);
      (void)logic.save(pick(logic.initials(), choices_.attorney, anyText, attorney_), "ZX");
    });
  }

  // The month's final statements, into the next period's folder, then what opens after them.
  void finalRun() {
    attempt("final run", [&] {
      services::MemorySettingsStore settings;
      settings.writeString(services::kNextInvoiceNumber, "1001");
      if (choices_.flags & 2)
        (void)statements::runGroup(folder_, group_, true, settings, runOptions(document::SinkKind::Printer));
      else
        (void)statements::runAllGroups(folder_, true, settings, runOptions(document::SinkKind::Printer));
    });
    attempt("billing activity", [&] {
      const store::Transaction tx(folder_);
      (void)statements::periodBillingActivityReport(tx, kPeriod, kToday, sink());
    });
    const fs::path next = scratch().folder("082001");
    attempt("next period", [&] { (void)store::presenceReport(next, "082001"); });
    attempt("next period", [&] {
      store::Transaction tx(next);
      (void)reports::agedAccountsReport(tx, {"082001", kToday}, sink());
    });
  }

  template <typename Logic>
  void deleteRecord(const char* name) {
    attempt(name, [&] {
      Logic logic(folder_);
      auto& selection = logic.selection();
      const std::string client = pick(selection.clients(), choices_.client, rules::isClientCode, client_);
      const auto numbers = selection.matters(client);
      const std::string matter = pick(numbers, choices_.matter, anyText, matter_.number);
      const auto dates = selection.dates(client, matter);
      records::DateChoice date;
      if (!dates.empty()) date = {dates.back(), dates.size() - 1};
      (void)selection.display(client, matter, date);
      if (selection.selected()) (void)logic.remove();
    });
  }

  void deleteRecords() {
    deleteRecord<records::DeleteTimeRecord>("delete time record");
    deleteRecord<records::DeleteCostCreditRecord>("delete cost/credit record");
    attempt("delete payment", [&] {
      records::DeletePayment logic(folder_);
      const auto dates = logic.selection().dates(client_);
      records::DateChoice date;
      if (!dates.empty()) date = {dates.front(), 0};
      (void)logic.selection().display(client_, date);
      if (logic.selection().selected()) (void)logic.remove();
    });
  }

  void deleteClientsAndAttorneys() {
    attempt("delete matter", [&] {
      matters::DeleteMatter logic(folder_);
      (void)logic.selection().display(matter_.client, matter_.number);
      if (logic.selection().displayed()) (void)logic.remove();
    });
    attempt("delete fee schedule", [&] { (void)attorneys::DeleteFeeSchedule(folder_).remove("1"); });
    attempt("delete attorney", [&] {
      attorneys::DeleteAttorney logic(folder_);
      (void)logic.remove(pick(logic.initials(), choices_.attorney, anyText, attorney_));
    });
    if (choices_.flags & 64) {
      attempt("delete client group", [&] {
        clients::DeleteClientGroup logic(folder_);
        (void)logic.display(group_);
        (void)logic.remove(prompter_);
      });
    } else {
      attempt("delete client", [&] {
        clients::DeleteClient logic(folder_);
        (void)logic.display(client_);
        if (logic.shown()) (void)logic.remove(client_, prompter_);
      });
    }
  }

  std::string dataFilesPath_;
  fs::path folder_;
  Choices choices_;
  dialog::FixedPrompter prompter_;
  std::string client_;
  std::string group_;
  std::string attorney_;
  matters::MatterKey matter_{"ACME", "1"};
};

// The entries of the period folders found at `dir`: a period folder alone is the current period.
std::string packFolders(const fs::path& dir) {
  std::vector<std::pair<std::size_t, fs::path>> folders;
  for (std::size_t k = 0; k < std::size(kPeriods); ++k)
    if (fs::is_directory(dir / kPeriods[k])) folders.emplace_back(k, dir / kPeriods[k]);
  if (folders.empty()) folders.emplace_back(0, dir);
  std::string out;
  for (const auto& [index, folder] : folders) {
    for (const auto& file : fs::directory_iterator(folder)) {
      const std::string name = file.path().filename().string();
      const auto* found =
          std::find_if(std::begin(kNames), std::end(kNames), [&](const char* n) { return name == n; });
      if (found == std::end(kNames)) {
        std::fprintf(stderr, "not packed (no name index): %s\n", file.path().c_str());
        continue;
      }
      appendEntry(out, index, static_cast<std::size_t>(found - std::begin(kNames)), readFile(file.path()));
    }
  }
  return out;
}

// Copies `dir` into the scratch directory as the current period (or the whole data directory),
// runs the month's final statements with a crash after both journals are sealed, and packs the
// folders as they were left.
std::string packInterrupted(const fs::path& dir) {
  const Scratch& made = scratch();
  const std::string packed = packFolders(dir);
  made.reset(unpack(reinterpret_cast<const std::uint8_t*>(packed.data()), packed.size()));
  struct Crash {};
  statements::RunOptions options;
  options.statementDate = kToday;
  options.faultHook = [](const std::string& point) {
    if (point.rfind("apply ", 0) == 0) throw Crash{};
  };
  services::MemorySettingsStore settings;
  settings.writeString(services::kNextInvoiceNumber, "1001");
  try {
    const auto result = statements::runAllGroups(made.folder(kPeriod), true, settings, options);
    std::fprintf(stderr, "the final run was not interrupted (%d statements)\n", result.statements);
  } catch (const Crash&) {
  }
  return packFolders(made.data);
}

// With `parts` (Part numbers) a choices entry follows the files, running only those parts.
int packMain(const std::string& mode, const fs::path& dir, const fs::path& out,
             const std::vector<int>& parts) {
  try {
    std::string packed = mode == "--pack" ? packFolders(dir) : packInterrupted(dir);
    if (!parts.empty()) {
      unsigned mask = 0;
      for (const int part : parts) mask |= 1U << part;
      appendEntry(packed, 0, kChoices,
                  std::string(5, '\0') + static_cast<char>(mask & 0xffU) + static_cast<char>(mask >> 8));
    }
    std::string again;  // the run must unpack what was packed
    for (const auto& entry : unpack(reinterpret_cast<const std::uint8_t*>(packed.data()), packed.size()))
      appendEntry(again, entry.folder, entry.name, entry.bytes);
    if (again != packed) throw std::runtime_error("the packed folders do not unpack whole (over 1 MiB?)");
    writeFile(out, packed);
    std::fprintf(stderr, "%s: %zu bytes\n", out.c_str(), packed.size());
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  strict = std::getenv("FUZZ_FOLDER_STRICT") != nullptr;
  if (*argc >= 2) {
    const std::string mode = (*argv)[1];
    if (mode == "--pack" || mode == "--pack-interrupted") {
      std::vector<int> parts;
      for (int k = 4; k < *argc; ++k) {
        const std::string part = (*argv)[k];
        if (part.empty() || part.size() > 2 || part.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(part) >= static_cast<int>(kPartCount)) {
          parts.clear();
          break;
        }
        parts.push_back(std::stoi(part));
      }
      if (*argc < 4 || parts.size() != static_cast<std::size_t>(*argc - 4)) {
        std::fprintf(stderr, "usage: %s %s DIR OUT [PART...]  (PART: 0 to %d)\n", (*argv)[0], mode.c_str(),
                     static_cast<int>(kPartCount) - 1);
        std::exit(2);
      }
      std::exit(packMain(mode, (*argv)[2], (*argv)[3], parts));
    }
  }
  (void)scratch();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto entries = unpack(data, size);
  std::string choices;
  for (const auto& entry : entries)
    if (entry.name == kChoices) choices = entry.bytes;
  scratch().reset(entries);
  FolderRun(scratch(), Choices(choices)).run(entries);
  return 0;
}
