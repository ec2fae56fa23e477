// Damaged folders swept end to end: every data file of the sample office's July 2001 folder cut
// short, bit-flipped, emptied or removed, and print-outs and actions run on each through vrk-batch.
// Whatever the damage, a run ends with a result (0 OK, 1 REFUSED; a print-out's refusal is a
// usage error, 2) or a file error (3) naming the damaged file, the counts file or the folder (or
// the file the damaged one no longer agrees with); never a crash or a hang, and a run that does
// not end OK writes nothing. The commands run on each damage are sampled: see CommandChoice.
#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <iostream>
#include <map>
#include <optional>
#include <set>

#include "robustness/robustness_support.h"

namespace vrk::test::robust {
namespace {

const char* const kToday = "08/03/2001";
const char* const kPeriod = "072001";

// ---- Damage ---------------------------------------------------------------------------------

enum class FieldType { Text, Int32, Double, Byte };  // Text: a length byte, then the characters

struct Field {
  std::size_t offset;
  FieldType type;
};

// A data file's shape: entries of `entrySize` bytes (0: a CRLF text list), and the fields of the
// record whose bits are flipped (`recordSize` bytes: an entry, or the whole counts file).
struct FileLayout {
  std::size_t entrySize = 0;
  std::size_t recordSize = 0;
  std::vector<Field> fields;
};

std::vector<Field> texts(std::size_t first, std::size_t count, std::size_t stride) {
  std::vector<Field> fields;
  for (std::size_t i = 0; i < count; ++i) fields.push_back({first + i * stride, FieldType::Text});
  return fields;
}

std::vector<Field> joined(std::vector<Field> a, const std::vector<Field>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The record layouts of the store (core/store/tables.h and the record codecs).
std::optional<FileLayout> layoutOf(const std::string& name) {
  const auto ends = [&name](const std::string& tail) {
    return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
  };
  const FileLayout slots{4, 4, {{0, FieldType::Int32}}};
  if (name == "AttorneyInitials.Dat" || name == "ClientCodes.Dat" || name == "ClientGroups.Dat")
    return FileLayout{};
  if (name == "Dimensions.Dat") {
    FileLayout counts{4, 40, {}};
    for (std::size_t k = 0; k < 10; ++k) counts.fields.push_back({4 * k, FieldType::Int32});
    return counts;
  }
  if (name == "ClientData.Dat") {  // group, address lines, category, late charges, date, amounts
    const std::vector<Field> middle = {{248, FieldType::Int32},
                                       {252, FieldType::Byte},
                                       {256, FieldType::Double},
                                       {264, FieldType::Text},
                                       {276, FieldType::Text}};
    return FileLayout{
        396, 396, joined(joined(joined({{0, FieldType::Byte}}, texts(1, 6, 41)), middle), texts(288, 9, 12))};
  }
  if (name == "MatterData.Dat")
    return FileLayout{228, 228,
                      joined(texts(0, 4, 41), {{164, FieldType::Double},
                                               {172, FieldType::Text},
                                               {176, FieldType::Int32},
                                               {180, FieldType::Text},
                                               {189, FieldType::Text},
                                               {201, FieldType::Text},
                                               {213, FieldType::Text}})};
  if (name == "TimeRecordData.Dat")
    return FileLayout{
        265, 265,
        joined({{0, FieldType::Text}, {4, FieldType::Text}, {10, FieldType::Text}}, texts(19, 6, 41))};
  if (name == "CostCreditRecordData.Dat")
    return FileLayout{180, 180, joined({{0, FieldType::Int32}, {4, FieldType::Text}}, texts(16, 4, 41))};
  if (name == "FeeSchedules.Dat") return FileLayout{90, 90, texts(0, 10, 9)};
  if (ends("IndicesInUse.Dat") || ends("IndicesNotInUse.Dat")) return slots;
  if (ends("ClientCodesArray.Dat")) return FileLayout{8, 8, {{0, FieldType::Text}}};
  if (ends("MatterNumbersArray.Dat")) return FileLayout{6, 6, {{0, FieldType::Text}}};
  if (ends("DatesArray.Dat")) return FileLayout{8, 8, {{0, FieldType::Double}}};
  if (name == "PaymentRecordAmountsArray.Dat") return FileLayout{12, 12, {{0, FieldType::Text}}};
  return std::nullopt;
}

enum class Kind { Missing, ZeroLength, CutAtBoundary, CutInside, LowBit, HighBit };

struct Damage {
  std::string file;
  Kind kind;
  std::string label;
  std::optional<std::string> bytes;  // nothing: the file is removed
};

// One bit of a field: in the first record a low bit (a length, count or slot one off, a date
// halved or doubled, a letter changed), in the last record a high bit (a length past the field's
// width, a negative count or slot, a negative date, a character above ASCII).
void flip(std::string& bytes, std::size_t at, FieldType type, bool high) {
  std::size_t byte = at;
  unsigned char mask = high ? 0x80 : 0x01;
  if (type == FieldType::Int32 && high) byte = at + 3;
  if (type == FieldType::Double) {
    byte = at + (high ? 7 : 6);
    mask = high ? 0x80 : 0x10;
  }
  bytes[byte] = static_cast<char>(static_cast<unsigned char>(bytes[byte]) ^ mask);
}

// Where each line of a CRLF text list begins; the last entry is the size.
std::vector<std::size_t> lineStarts(const std::string& bytes) {
  std::vector<std::size_t> starts = {0};
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == '\r' && bytes[i + 1] == '\n') starts.push_back(i + 2);
  if (starts.back() != bytes.size()) starts.push_back(bytes.size());
  return starts;
}

// The first, second, middle and last boundary between entries (never 0 or the whole file).
std::vector<std::size_t> sampledBoundaries(const std::vector<std::size_t>& boundaries) {
  std::set<std::size_t> picked;
  const std::size_t n = boundaries.size();
  for (const std::size_t k : {std::size_t{1}, std::size_t{2}, n / 2, n - 1})
    if (k >= 1 && k + 1 < n) picked.insert(k);
  std::vector<std::size_t> cuts;
  for (const auto k : picked) cuts.push_back(boundaries[k]);
  return cuts;
}

std::vector<Damage> damagesOf(const std::string& file, const std::string& intact) {
  const auto layout = layoutOf(file);
  if (!layout) return {};
  std::vector<Damage> damages;
  const auto add = [&](Kind kind, const std::string& label, std::optional<std::string> bytes) {
    if (!bytes || *bytes != intact) damages.push_back({file, kind, label, std::move(bytes)});
  };
  add(Kind::Missing, "missing", std::nullopt);
  add(Kind::ZeroLength, "zero length", std::string());

  // Where entries (records or lines) begin and end, and where a record is cut in its middle.
  std::vector<std::size_t> boundaries;
  std::set<std::size_t> middles;
  std::vector<std::pair<std::size_t, std::size_t>> records;  // the first and last: offset, size
  if (layout->entrySize == 0) {
    boundaries = lineStarts(intact);
    if (boundaries.size() >= 2) {
      middles.insert((boundaries[1] + 1) / 2);  // inside the first line's text
      middles.insert(intact.size() - 1);        // the last line without its LF
      records = {{0, boundaries[1]},
                 {boundaries[boundaries.size() - 2], intact.size() - boundaries[boundaries.size() - 2]}};
    }
  } else {
    for (std::size_t at = 0; at <= intact.size(); at += layout->entrySize) boundaries.push_back(at);
    if (intact.size() >= layout->entrySize) {
      middles.insert(layout->entrySize / 2);
      middles.insert(intact.size() - layout->entrySize / 2);
    }
    if (intact.size() >= layout->recordSize)
      records = {{0, layout->recordSize}, {intact.size() - layout->recordSize, layout->recordSize}};
  }
  for (const auto cut : sampledBoundaries(boundaries))
    add(Kind::CutAtBoundary, "cut at the record boundary " + std::to_string(cut), intact.substr(0, cut));
  for (const auto cut : middles)
    add(Kind::CutInside, "cut inside a record at " + std::to_string(cut), intact.substr(0, cut));

  for (std::size_t r = 0; r < records.size(); ++r) {
    const bool last = r == 1;
    const auto [offset, size] = records[r];
    std::vector<Field> fields = layout->fields;
    if (layout->entrySize == 0) fields = {{0, FieldType::Byte}, {size - 2, FieldType::Byte}};  // text, CR
    for (const auto& field : fields) {
      std::string bytes = intact;
      flip(bytes, offset + field.offset, field.type, last);
      add(last ? Kind::HighBit : Kind::LowBit,
          std::string(last ? "high" : "low") + " bit flipped at " + std::to_string(offset + field.offset) +
              (last ? " (last record)" : " (first record)"),
          bytes);
    }
  }
  return damages;
}

// ---- Commands -------------------------------------------------------------------------------

// A command and the tables it reads, guards included: C clients, M matters, T time records,
// K cost/credit records, P payments, A the attorney list and fee schedules.
struct Command {
  std::vector<std::string> words;
  std::string reads;
};

// The table of a data file; '*' for the counts file, which every table reads.
char tableOf(const std::string& file) {
  const std::pair<const char*, char> prefixes[] = {
      {"Client", 'C'},        {"Matter", 'M'},           {"TimeRecord", 'T'},  {"CostCreditRecord", 'K'},
      {"PaymentRecord", 'P'}, {"AttorneyInitials", 'A'}, {"FeeSchedules", 'A'}};
  for (const auto& [prefix, table] : prefixes)
    if (file.rfind(prefix, 0) == 0) return table;
  return '*';
}

// Every print-out, and every action with fields that succeed on the intact office. Not run:
// restore (it replaces the data directory and keeps a copy of it beside it) and sample-office
// (it needs a period without data files).
std::vector<Command> commands(const std::string& backupDir, const std::string& importDir) {
  const std::string begin = "beginning=7/2001", end = "final=7/2001";
  const std::string all = "CMTKPA";
  return {
      {{"print", "aged-accounts"}, "C"},
      {{"print", "all-matter-data", "client=ACME"}, "CMA"},
      {{"print", "attorney-activity"}, "C"},  // refused on the intact office: no group is finished
      {{"print", "billing-activity"}, "C"},
      {{"print", "checks"}, all},
      {{"print", "client-codes", "group=A"}, "C"},
      {{"print", "client-data", "client=ACME"}, "C"},
      {{"print", "cumulative-costs", "client=ACME", "matter=1", begin, end}, "CMK"},
      {{"print", "cumulative-credits", "client=ACME", "matter=012", begin, end}, "CMK"},
      {{"print", "cumulative-hours-and-fees", "client=ACME", "matter=1", begin, end}, "CMTA"},
      {{"print", "cumulative-payments", "client=ACME", "beginning=6/2001", end}, "CP"},
      {{"print", "draft-statement", "client=ACME", "--screen"}, all},
      {{"print", "draft-statement", "client=BETA1"}, all},
      {{"print", "draft-statements", "group=A"}, all},
      {{"print", "draft-statements-all"}, all},
      {{"print", "fee-schedules"}, "A"},
      {{"print", "guard", "add-a-time-record"}, "CMA"},
      {{"print", "help", "setup"}, ""},
      {{"print", "mailing-labels", "selection=all"}, "C"},
      {{"print", "mailing-labels", "selection=activity"}, "CMTKP"},
      {{"print", "mailing-labels", "selection=ZED,ACME"}, "C"},
      {{"print", "matter-data", "client=ACME", "matter=1"}, "CMA"},
      {{"print", "matter-list", "all=yes"}, "CM"},
      {{"print", "matter-list", "client=ACME", "--screen"}, "CM"},
      {{"print", "matter-list", "group=A"}, "CM"},
      {{"print", "records", "time", "client=ACME"}, "CT"},
      {{"print", "records", "cost-credit", "client=ACME"}, "CK"},
      {{"print", "records", "payment", "client=BETA1"}, "CP"},
      {{"do", "add-client", "code=NEW1", "group=A", "address-1=New St"}, "C"},
      {{"do", "change-client", "client=ACME", "address-2=Suite 5", "trust-account-balance=10"}, "C"},
      {{"do", "change-client", "client=BETA1", "code=BETA2"}, "CMTKP"},
      {{"do", "delete-client", "client=ZED", "--yes"}, "CMTKP"},
      {{"do", "delete-client-group", "group=B", "--yes"}, "CMTKP"},
      {{"do", "add-matter", "client=ZED", "matter=5", "attorney=JD"}, "CMA"},
      {{"do", "change-matter", "client=ACME", "matter=1", "description-2=Changed", "fees-to-date=10"}, "CMA"},
      {{"do", "change-matter", "client=ACME", "matter=012", "new-matter=13"}, "CMTKA"},
      {{"do", "delete-matter", "client=ACME", "matter=012"}, "CMTK"},
      {{"do", "add-time-record", "client=ACME", "matter=1", "attorney=JD", "time=1", "date=07/20/2001"},
       "CMTA"},
      {{"do", "change-time-record", "client=ACME", "matter=1", "date-entry=2", "time=2"}, "CMTA"},
      {{"do", "change-time-record", "client=BETA1", "matter=3", "new-date=07/25/2001"}, "CMTA"},
      {{"do", "delete-time-record", "client=ACME", "matter=012"}, "CMT"},
      {{"do", "add-cost-credit-record", "client=ACME", "matter=1", "amount=5", "date=07/20/2001"}, "CMK"},
      {{"do", "change-cost-credit-record", "client=ACME", "matter=1", "amount=6", "kind=credit"}, "CMK"},
      {{"do", "delete-cost-credit-record", "client=BETA1", "matter=3"}, "CMK"},
      {{"do", "add-payment", "client=ACME", "amount=5", "date=07/20/2001"}, "CP"},
      {{"do", "change-payment", "client=ACME", "amount=6"}, "CP"},
      {{"do", "delete-payment", "client=BETA1"}, "CP"},
      {{"do", "add-attorney", "initials=QQ", "rate-1=100", "rate-2=110", "rate-3=120"}, "A"},
      {{"do", "change-attorney", "from=AB", "to=AC"}, "MTA"},
      {{"do", "delete-attorney", "initials=MKL"}, "MTA"},
      {{"do", "add-fee-schedule", "rate-AB=1", "rate-JD=2", "rate-MKL=3"}, "A"},
      {{"do", "change-fee-schedules", "rate-JD-2=300"}, "A"},
      {{"do", "delete-fee-schedule", "schedule=2"}, "MA"},
      {{"do", "review-time-records", "client=ACME", "steps=next,next", "save=yes", "time=3"}, "CMTA"},
      {{"do", "review-cost-credit-records", "client=ACME", "steps=next", "save=yes", "amount=7"}, "CMK"},
      {{"do", "review-payment-records", "client=ACME", "steps=next", "save=yes", "amount=8"}, "CP"},
      {{"do", "review-matters", "client=ACME", "steps=next,next,back", "save=yes", "description-3=X"}, "CMA"},
      {{"do", "final-statements", "group=A"}, all},
      {{"do", "final-statements-all"}, all},
      {{"do", "change-billing-period", "month=7", "year=2001"}, ""},
      {{"do", "backup", "directory=" + backupDir, "--yes"}, all},
      {{"import", "time", importDir + "/time.csv"}, "CMTA"},
      {{"import", "cost-credit", importDir + "/cost-credit.csv"}, "CMK"},
      {{"import", "payment", importDir + "/payment.csv"}, "CP"},
  };
}

std::string commandText(const std::vector<std::string>& words) {
  std::string text;
  for (const auto& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

// A run takes about 0.1 s (most of it the program's start), too long for every command on every
// damage. So a few damages run every command: the first of these kinds in these files.
const std::pair<const char*, Kind> kEveryCommand[] = {{"Dimensions.Dat", Kind::Missing},
                                                      {"ClientCodes.Dat", Kind::ZeroLength},
                                                      {"TimeRecordData.Dat", Kind::CutInside},
                                                      {"MatterIndicesInUse.Dat", Kind::HighBit}};

// The others run one command that reads the damaged file's table, in turn: the damages of one
// table go round its commands (the counts file's round all of them).
class CommandChoice {
 public:
  explicit CommandChoice(const std::vector<Command>& all) : all_(all) {}

  std::vector<std::size_t> commandsFor(const Damage& damage) {
    std::vector<std::size_t> picked;
    for (const auto& [file, kind] : kEveryCommand)
      if (damage.file == file && damage.kind == kind && everyDone_.insert(file).second) {
        for (std::size_t i = 0; i < all_.size(); ++i) picked.push_back(i);
        return picked;
      }
    const char table = tableOf(damage.file);
    std::vector<std::size_t> reading;
    for (std::size_t i = 0; i < all_.size(); ++i)
      if (table == '*' || all_[i].reads.find(table) != std::string::npos) reading.push_back(i);
    picked.push_back(reading[turn_[table]++ % reading.size()]);
    return picked;
  }

 private:
  const std::vector<Command>& all_;
  std::set<std::string> everyDone_;
  std::map<char, std::size_t> turn_;
};

// ---- The sweep ------------------------------------------------------------------------------

// The data files a message names.
std::set<std::string> namedFiles(const std::string& output) {
  std::set<std::string> names;
  for (std::size_t at = output.find(".Dat"); at != std::string::npos; at = output.find(".Dat", at + 4)) {
    std::size_t from = at;
    while (from > 0 && std::isalnum(static_cast<unsigned char>(output[from - 1]))) --from;
    names.insert(output.substr(from, at + 4 - from));
  }
  return names;
}

enum class Naming { Damaged, Partner, Other };

// What a file error names: the damaged file, the counts file or the folder alone (Damaged); the
// other file of a pair that no longer agrees with the damaged one (Partner): a file of the same
// table (key files, data-slot and free lists, the data file, checked against each other), the
// attorney list and its rate records, or a file whose count the damaged counts file gives;
// else Other.
Naming naming(const std::string& output, const Damage& damage, const std::filesystem::path& folder) {
  const auto names = namedFiles(output);
  if (names.count(damage.file) || names.count("Dimensions.Dat") ||
      (names.empty() && output.find(folder.string()) != std::string::npos))
    return Naming::Damaged;
  const char table = tableOf(damage.file);
  if (names.empty()) return Naming::Other;
  for (const auto& name : names)
    if (table != '*' && tableOf(name) != table) return Naming::Other;
  return Naming::Partner;
}

TEST(DamagedFolderSweep, EveryRunEndsWithAResultOrAFileErrorAndARefusalWritesNothing) {
  TempFolder temp;
  TempFolder backups;
  TempFolder imports;
  writeFile(imports / "time.csv", "client,matter,date,attorney,hours\r\nACME,1,07/20/2001,JD,1\r\n");
  writeFile(imports / "cost-credit.csv", "client,matter,date,kind,amount\r\nACME,1,07/20/2001,credit,5\r\n");
  writeFile(imports / "payment.csv", "client,date,amount\r\nBETA1,07/20/2001,5\r\n");
  const auto dataDir = temp.path();
  const auto folder = copySampleOffice(dataDir);
  const FolderFiles intact = folderFiles(folder);
  const auto all = commands(backups.path().string(), imports.path().string());
  const auto run = [&](const std::vector<std::string>& words) {
    return runBatchLimited(batchArguments(dataDir, words, kToday, kPeriod));
  };

  // Puts the data directory back to the folder `state` and nothing else (a final run's next
  // period, the settings file, a backup).
  const auto reset = [&](const FolderFiles& state) {
    for (const auto& entry : std::filesystem::directory_iterator(dataDir))
      if (entry.path() != folder) std::filesystem::remove_all(entry.path());
    for (const auto& entry : std::filesystem::directory_iterator(backups.path()))
      std::filesystem::remove_all(entry.path());
    restoreFolder(folder, state);
  };

  // The fields are right: on the intact office every action ends OK, every print-out with a result.
  for (const auto& command : all) {
    const Ending end = run(command.words);
    const bool action = command.words[0] != "print";
    EXPECT_TRUE(end.exited && (action ? end.status == 0 : end.status <= 2))
        << commandText(command.words) << ": " << end.describe() << "\n"
        << end.output;
    reset(intact);
  }
  ASSERT_FALSE(::testing::Test::HasFailure()) << "the commands do not fit the intact office";

  std::vector<Damage> damages;
  for (const auto& [name, bytes] : intact) {
    ASSERT_TRUE(layoutOf(name).has_value()) << "no layout known for " << name;
    for (auto& damage : damagesOf(name, bytes)) damages.push_back(std::move(damage));
  }

  CommandChoice choice(all);
  std::size_t runs = 0, crashes = 0, hangs = 0, oks = 0, refusals = 0, fileErrors = 0, partners = 0;
  const auto started = Clock::now();
  for (const Damage& damage : damages) {
    FolderFiles damaged = intact;
    if (damage.bytes) {
      damaged[damage.file] = *damage.bytes;
    } else {
      damaged.erase(damage.file);
    }
    FolderFiles expected;  // the data directory's folders while nothing writes
    for (const auto& [name, bytes] : damaged) expected[std::string(kPeriod) + "/" + name] = bytes;
    reset(damaged);

    for (const auto c : choice.commandsFor(damage)) {
      const auto& words = all[c].words;
      const Ending end = run(words);
      ++runs;
      const std::string where =
          damage.file + ", " + damage.label + ": vrk-batch " + commandText(words) + ": ";
      if (end.timedOut) {
        ++hangs;
      } else if (!end.exited) {
        ++crashes;
      }
      const bool result = end.exited && end.status <= 2;
      const bool fileError = end.exited && end.status == 3;
      EXPECT_TRUE(result || fileError) << where << end.describe() << "\n" << end.output;
      if (end.exited && end.status == 0) ++oks;
      if (end.exited && (end.status == 1 || end.status == 2)) ++refusals;
      if (fileError) {
        ++fileErrors;
        const Naming named = naming(end.output, damage, folder);
        if (named == Naming::Partner) ++partners;
        EXPECT_NE(named, Naming::Other)
            << where << "the file error names neither the damaged file nor its partner\n"
            << end.output;
      }
      // A print-out never writes; an action that does not end OK writes nothing either.
      if (!(end.exited && end.status == 0 && words[0] != "print")) {
        const FolderFiles after = dataDirectoryFiles(dataDir);
        EXPECT_TRUE(after == expected)
            << where << end.describe() << ", yet files changed: " << differingFiles(expected, after) << "\n"
            << end.output;
      }
      reset(damaged);
    }
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
  std::cout << "damaged-folder sweep: " << damages.size() << " damaged cases, " << runs << " runs (" << oks
            << " OK, " << refusals << " refused, " << fileErrors << " file errors, " << partners
            << " of them naming the partner file of the damaged one), " << crashes << " crashes, " << hangs
            << " hangs, " << seconds << " s" << std::endl;
  EXPECT_EQ(crashes, 0U);
  EXPECT_EQ(hangs, 0U);
}

}  // namespace
}  // namespace vrk::test::robust
