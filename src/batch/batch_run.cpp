#include "batch/batch_run.h"

#include <filesystem>
#include <fstream>
#include <map>

#include "batch/actions/edit_fields.h"
#include "batch/command_line.h"
#include "batch/context.h"
#include "batch/help_text.h"
#include "batch/registry.h"
#include "batch/verify_command.h"
#include "core/document/document.h"
#include "core/interchange/record_export.h"
#include "core/interchange/import_dialog.h"
#include "core/interchange/ledes_check.h"
#include "core/interchange/ledes_export.h"
#include "core/rules/input_rules.h"
#include "core/shell/guards.h"
#include "core/statements/final_archive.h"
#include "core/store/file_io.h"
#include "core/store/outside_files.h"
#include "core/store/store_error.h"
#include "core/store/transaction.h"
#include "core/text/cp1252.h"
#include "platform/document_printer.h"
#include "platform/gui_application.h"

namespace vrk::batch {
namespace {

// Command-line text is UTF-8; the core works in the stored single-byte character set.
Fields storedFields(const Fields& fields) {
  Fields stored;
  for (const auto& [name, value] : fields) stored.emplace_back(name, text::cp1252FromUtf8(value));
  return stored;
}

std::string shown(const std::string& stored) { return dialog::plainLineBreaks(text::utf8FromCp1252(stored)); }

// The guards the main window runs before the signature's command opens its dialog; the outcome
// closes with OK when every guard passed.
dialog::Outcome commandGuards(const Signature& signature, Context& context, dialog::Prompter& prompter) {
  const shell::Command* command = guardedCommand(signature);
  if (!command) {
    dialog::Outcome passed;
    passed.closing = dialog::Closing::Ok;
    return passed;
  }
  // A usage error when no data directory is known. A save a crash interrupted is finished first,
  // as opening the billing period in the main window does, so the guards judge the saved state.
  const auto folder = context.folder();
  std::error_code ignored;
  if (std::filesystem::is_directory(folder, ignored)) store::recoverFolder(folder);
  return shell::runGuards(*command, context.dataFilesPath, context.period, prompter);
}

void printMessages(const dialog::Outcome& outcome, std::ostream& out) {
  for (const auto& message : outcome.messages)
    out << "[" << dialog::messageKindName(message.kind) << "]\n" << shown(message.text) << "\n";
}

bool isPdf(const std::string& path) { return path.size() > 4 && path.substr(path.size() - 4) == ".pdf"; }

// A document as PDF (its name ends in .pdf).
int writePdf(const document::Document& document, const std::string& path, std::ostream& err) {
  platform::ensureGuiApplication();
  const QString problem = platform::printDocumentToPdf(document, QString::fromStdString(path));
  if (!problem.isEmpty()) {
    err << "vrk-batch: " << problem.toStdString() << "\n";
    return kExitFileError;
  }
  return kExitOk;
}

// A document's plain text, part by part: to standard output, or to FILE written under a temporary
// name and put in place by finish(), so FILE is never left half-written. Held back, the text for
// standard output waits for finish() too (a final run's statements follow its OK line).
class TextOutput {
 public:
  TextOutput(std::string path, std::ostream& out, bool holdBack)
      : path_(std::move(path)), out_(out), holdBack_(holdBack) {}
  ~TextOutput() {
    if (path_.empty() || !written_ || placed_) return;
    file_.close();
    std::error_code ignored;
    std::filesystem::remove(partial(), ignored);
  }
  TextOutput(const TextOutput&) = delete;
  TextOutput& operator=(const TextOutput&) = delete;

  void add(const document::Document& part) {
    if (part.lines.empty()) return;
    write(shown(document::toPlainText(part)) + "\n");
  }

  bool hasText() const { return written_; }

  int finish(std::ostream& err) {
    if (!written_) write("\n");  // a document without lines is one empty line
    if (path_.empty()) {
      out_ << held_;
      return kExitOk;
    }
    file_.close();
    std::error_code error;
    if (!file_.fail()) std::filesystem::rename(partial(), path_, error);
    placed_ = !file_.fail() && !error;
    if (!placed_) {
      err << "vrk-batch: cannot write " << path_ << "\n";
      return kExitFileError;
    }
    return kExitOk;
  }

 private:
  std::string partial() const { return path_ + ".partial"; }
  void write(const std::string& text) {
    if (!path_.empty()) {
      if (!written_) file_.open(partial(), std::ios::binary | std::ios::trunc);
      written_ = true;
      file_ << text;
      return;
    }
    written_ = true;
    if (holdBack_) {
      held_ += text;
    } else {
      out_ << text;
    }
  }

  std::string path_;
  std::ostream& out_;
  bool holdBack_;
  std::ofstream file_;
  std::string held_;
  bool written_ = false;
  bool placed_ = false;
};

int doAction(const CommandLine& line, Context& context, std::ostream& out, std::ostream& err) {
  const Action* action = registry().action(line.name);
  if (!action) throw UsageError("unknown action " + line.name + " (see vrk-batch help)");
  checkFields(action->signature, line.fields);
  dialog::FixedPrompter prompter(line.answer.value_or(false));
  const dialog::Outcome guards = commandGuards(action->signature, context, prompter);
  printMessages(guards, out);
  if (guards.closing != dialog::Closing::Ok) {
    out << "REFUSED\n";
    return kExitRefused;
  }
  std::optional<TextOutput> text;
  if (!isPdf(line.out)) {
    text.emplace(line.out, out, true);
    context.pages = [&text](document::Document&& part) { text->add(part); };
  }
  const ActionResult result = action->run(context, FieldValues(storedFields(line.fields)), prompter);
  printMessages(result.outcome, out);
  for (const auto& reportLine : result.report) out << shown(reportLine) << "\n";
  const bool ok = result.outcome.closing == dialog::Closing::Ok;
  out << (ok ? "OK" : "REFUSED") << "\n";
  if (text && result.document) text->add(*result.document);
  if (text ? text->hasText() : result.document.has_value()) {
    const int written = text ? text->finish(err) : writePdf(*result.document, line.out, err);
    if (written != kExitOk) return written;
  }
  return ok ? kExitOk : kExitRefused;
}

// print final-statements group=G --out FILE: the PDF file a final run kept, copied byte for byte.
int reprintFinalStatements(const CommandLine& line, Context& context, std::ostream& out) {
  if (line.fields.size() != 1 || line.fields.front().first != "group" || line.out.empty() || line.screen)
    throw UsageError("print final-statements needs group=G and --out FILE, and nothing else");
  const std::string group = rules::capitals(text::cp1252FromUtf8(line.fields.front().second));
  if (!rules::isClientGroup(group)) throw UsageError("print final-statements: " + group + " is not a client group");
  const auto archive = statements::readArchive(context.folder(), group);
  if (!archive) {
    out << "[information]\n" << shown(statements::kGroupNotArchived) << "\nREFUSED\n";
    return kExitRefused;
  }
  store::writeFileWhole(line.out, *archive);
  return kExitOk;
}

int printDocument(const CommandLine& line, Context& context, std::ostream& out, std::ostream& err) {
  if (line.name == "final-statements") return reprintFinalStatements(line, context, out);
  const DocumentAction* action = registry().document(line.name);
  if (!action) throw UsageError("unknown document " + line.name + " (see vrk-batch help)");
  checkFields(action->signature, line.fields);
  dialog::FixedPrompter prompter(line.answer.value_or(false));
  const dialog::Outcome guards = commandGuards(action->signature, context, prompter);
  if (guards.closing != dialog::Closing::Ok)
    throw UsageError(guards.messages.empty() ? "refused" : shown(guards.messages.back().text));
  std::optional<TextOutput> text;
  if (!isPdf(line.out)) {
    text.emplace(line.out, out, false);
    context.pages = [&text](document::Document&& part) { text->add(part); };
  }
  document::Document document;
  try {
    document = action->build(context, FieldValues(storedFields(line.fields)),
                             line.screen ? document::SinkKind::Screen : document::SinkKind::Printer);
  } catch (const DocumentRefused& refused) {
    printMessages(refused.outcome, out);
    out << "REFUSED\n";
    return kExitRefused;
  }
  for (const auto& note : context.notes)
    err << "[" << dialog::messageKindName(note.kind) << "]\n" << shown(note.text) << "\n";
  if (!text) return writePdf(document, line.out, err);
  text->add(document);
  return text->finish(err);
}

// import KIND FILE: the rows of a CSV file checked as the add dialog of their kind checks them
// (after its command's guards) and saved all at once, or each bad row reported and nothing saved.
int importFile(const CommandLine& line, Context& context, std::ostream& out) {
  static const std::map<std::string, interchange::ImportKind> kinds = {
      {"time", interchange::ImportKind::Time},
      {"cost-credit", interchange::ImportKind::CostCredit},
      {"payment", interchange::ImportKind::Payment}};
  const auto kind = kinds.find(line.name);
  if (kind == kinds.end()) throw UsageError("import needs the kind of records: time, cost-credit or payment");
  if (line.fields.size() != 1 || !line.fields.front().first.empty())
    throw UsageError("import " + line.name + " needs the CSV file to read, and nothing else");
  context.folder();  // a usage error when no data directory is known
  dialog::FixedPrompter prompter(line.answer.value_or(false));
  std::vector<std::string> problems;
  const dialog::Outcome outcome = interchange::importFile(context.dataFilesPath, context.period, kind->second,
                                                          line.fields.front().second, prompter, problems);
  const bool imported = outcome.closing == dialog::Closing::Ok;
  printMessages(outcome, out);
  for (const auto& problem : problems) out << shown(problem) << "\n";
  out << (imported ? "OK" : "REFUSED") << "\n";
  return imported ? kExitOk : kExitRefused;
}

// export KIND FILE: a table of the billing period as a CSV file, written under a temporary name
// and put in place whole.
constexpr std::uint64_t kMostLedesBytes = (64ULL << 20) + 1;  // the checker reports a larger file itself

// export ledes client=C|group=G [statement-date=D] FILE: the draft statements of a client or of a
// client group as LEDES invoices.
interchange::LedesFile ledesFile(const CommandLine& line, Context& context, const std::filesystem::path& folder) {
  const FieldValues fields(storedFields(line.fields));
  for (const auto& [name, value] : line.fields)
    if (!name.empty() && name != "client" && name != "group" && name != "statement-date")
      throw UsageError("export ledes takes client= or group=, and statement-date=, not " + name + "=");
  interchange::LedesRequest request;
  request.client = rules::capitals(fields.get("client"));
  request.group = rules::capitals(fields.get("group"));
  if (request.client.empty() == request.group.empty()) throw UsageError("export ledes needs client=CODE or group=G");
  if (!request.group.empty() && !rules::isClientGroup(request.group))
    throw UsageError("export ledes: " + request.group + " is not a client group (a letter or a number)");
  request.period = context.period;
  request.statementDate = optionalDate(fields, "statement-date").value_or(context.today);
  try {
    return interchange::ledesInvoices(folder, request);
  } catch (const std::invalid_argument&) {
    throw UsageError("export ledes: " + request.client + " is not a client of this billing period");
  }
}

int exportFile(const CommandLine& line, Context& context, std::ostream& out) {
  static const std::map<std::string, interchange::ExportKind> kinds = {
      {"time", interchange::ExportKind::Time},       {"cost-credit", interchange::ExportKind::CostCredit},
      {"payment", interchange::ExportKind::Payment}, {"clients", interchange::ExportKind::Clients},
      {"matters", interchange::ExportKind::Matters}};
  const auto kind = kinds.find(line.name);
  if (kind == kinds.end() && line.name != "ledes")
    throw UsageError("export needs what to export: time, cost-credit, payment, clients, matters or ledes");
  std::vector<std::string> files;
  for (const auto& [name, value] : line.fields)
    if (name.empty()) files.push_back(value);
  if (files.size() != 1 || (line.name != "ledes" && line.fields.size() != 1))
    throw UsageError("export " + line.name + " needs the file to write" +
                     (line.name == "ledes" ? "" : ", and nothing else"));
  const std::filesystem::path file = files.front();
  const auto folder = context.folder();
  std::error_code ignored;
  if (!std::filesystem::is_directory(folder, ignored))
    throw store::StoreError(folder, "The folder of this billing period is missing");
  std::string text;
  if (line.name == "ledes") {
    auto ledes = ledesFile(line, context, folder);
    if (ledes.items == 0) {
      out << "[information]\n" << shown(interchange::kNoLedesItems) << "\nREFUSED\n";
      return kExitRefused;
    }
    text = std::move(ledes.text);
  } else {
    text = interchange::exportRecords(folder, kind->second);
  }
  if (file == "-") {  // standard output
    out << text;
    return kExitOk;
  }
  store::writeFileWhole(file, text);
  out << "exported to " << file.string() << "\nOK\n";
  return kExitOk;
}

// check-ledes FILE: every problem of a LEDES 1998B file with its line, then OK or REFUSED.
int checkLedesFile(const CommandLine& line, std::ostream& out) {
  if (!line.fields.empty()) throw UsageError("check-ledes needs the file to check, and nothing else");
  const auto problems = interchange::checkLedes(store::io::readWhole(line.name, kMostLedesBytes));
  for (const auto& problem : problems) out << shown(interchange::describe(problem)) << "\n";
  out << (problems.empty() ? "OK" : "REFUSED") << "\n";
  return problems.empty() ? kExitOk : kExitRefused;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const CommandLine line = parseCommandLine(args);
    if (line.verb == "help") {
      printHelp(out);
      return kExitOk;
    }
    Context context = makeContext(line);
    if (line.verb == "check-ledes") return checkLedesFile(line, out);
    if (line.verb == "verify") {
      // The folder's parent is the data directory; a usage error when none is known.
      return verifyPeriods(context.folder().parent_path(), line.all ? std::string() : context.period, line.all, out);
    }
    if (line.verb == "import") return importFile(line, context, out);
    if (line.verb == "export") return exportFile(line, context, out);
    return line.verb == "do" ? doAction(line, context, out, err) : printDocument(line, context, out, err);
  } catch (const UsageError& error) {
    err << "vrk-batch: " << error.what() << "\n" << kUsage;
    return kExitUsage;
  } catch (const std::exception& error) {  // a file error; anything unexpected too, never an abort
    out.flush();
    err << "vrk-batch: " << dialog::plainLineBreaks(store::errorText(error)) << "\n";
    return kExitFileError;
  }
}

}  // namespace vrk::batch
