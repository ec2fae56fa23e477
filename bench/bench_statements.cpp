// Times the month-end statement run on generated offices of 500 and 5,000 clients: writing the
// office, a draft of all client groups (the document and its plain text), and a final run of all
// groups (its save across both billing-period folders included) with the document written to a
// text file. Each step runs in a child process of its own, so the peak memory shown is that step's.
//
// usage: vrk_bench_statements [small | large | CLIENTS,MATTERS,TIME,COSTS,PAYMENTS] ...
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/sample/sample_office.h"
#include "core/services/settings_store.h"
#include "core/statements/statement_run.h"
#include "core/store/store_error.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Case {
  std::string name;
  vrk::sample::SampleOfficeSize size;
};

// What a child reports back through its pipe.
struct Figures {
  double seconds = 0;
  long peakKiB = 0;
  char note[200] = {};
};

// Runs `step` in a child process and prints its time and peak resident memory.
bool measure(const std::string& office, const char* step, const std::function<std::string()>& work) {
  int fds[2];
  if (::pipe(fds) != 0) return false;
  std::fflush(stdout);
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    ::close(fds[0]);
    Figures figures;
    int status = 0;
    const auto start = Clock::now();
    std::string note;
    try {
      note = work();
    } catch (const std::exception& error) {
      note = std::string("FAILED: ") + vrk::store::errorText(error);
      status = 1;
    }
    figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    figures.peakKiB = usage.ru_maxrss;
    std::snprintf(figures.note, sizeof figures.note, "%s", note.c_str());
    const ssize_t written = ::write(fds[1], &figures, sizeof figures);
    ::_exit(written == static_cast<ssize_t>(sizeof figures) ? status : 2);
  }
  ::close(fds[1]);
  Figures figures;
  const ssize_t got = ::read(fds[0], &figures, sizeof figures);
  ::close(fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (got != static_cast<ssize_t>(sizeof figures)) {
    std::printf("%-8s %-9s child ended without figures\n", office.c_str(), step);
    return false;
  }
  std::printf("%-8s %-9s %9.2f %10.1f  %s\n", office.c_str(), step, figures.seconds,
              static_cast<double>(figures.peakKiB) / 1024.0, figures.note);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The run's document streamed part by part as plain text into `out`, as vrk-batch writes it.
struct StreamedText {
  std::ostream& out;
  std::size_t bytes = 0;
  int pages = 0;
};

vrk::statements::RunOptions runOptions(StreamedText& text) {
  vrk::statements::RunOptions options;
  options.statementDate = {2001, 7, 31};
  options.sink = vrk::document::SinkKind::Printer;
  options.output = [&text](vrk::document::Document&& part) {
    const std::string chunk = vrk::document::toPlainText(part) + "\n";
    text.bytes += chunk.size();
    text.pages += part.pageCount() - 1;  // its form feeds
    text.out << chunk;
  };
  return options;
}

std::string describe(const vrk::statements::RunResult& result, const StreamedText& text) {
  return std::to_string(result.statements) + " statements, " + std::to_string(text.pages + 1) + " pages, " +
         std::to_string(text.bytes / 1024) + " KiB of text, " + std::to_string(result.outcome.messages.size()) +
         " messages";
}

bool runCase(const Case& c, const std::filesystem::path& root) {
  const auto base = root / c.name;
  const auto folder = base / "072001";
  std::filesystem::remove_all(base);
  std::filesystem::create_directories(base);
  bool ok = measure(c.name, "generate", [&] {
    vrk::sample::writeSampleOffice(folder, c.size);
    const auto& s = c.size;
    return std::to_string(s.clients) + " clients, " + std::to_string(s.matters) + " matters, " +
           std::to_string(s.time) + " time, " + std::to_string(s.costs) + " costs, " +
           std::to_string(s.payments) + " payments";
  });
  ok = ok && measure(c.name, "draft", [&] {
         vrk::services::MemorySettingsStore settings;
         settings.writeString(vrk::services::kNextInvoiceNumber, "1001");
         std::ostringstream sink;
         StreamedText text{sink};
         const auto result = vrk::statements::runAllGroups(folder, false, settings, runOptions(text));
         return describe(result, text);
       });
  ok = ok && measure(c.name, "final", [&] {
         vrk::services::MemorySettingsStore settings;
         settings.writeString(vrk::services::kNextInvoiceNumber, "1001");
         std::ofstream out(base / "final-statements.txt", std::ios::binary | std::ios::trunc);
         StreamedText text{out};
         const auto result = vrk::statements::runAllGroups(folder, true, settings, runOptions(text));
         out.close();
         if (!out) throw std::runtime_error("the statements could not be written");
         return describe(result, text) + ", next invoice " +
                settings.readString(vrk::services::kNextInvoiceNumber);
       });
  std::filesystem::remove_all(base);
  return ok;
}

bool parseCase(const std::string& arg, std::vector<Case>& cases) {
  const Case small{"small", {500, 2000, 20000, 5000, 1000, 1}};
  const Case large{"large", {5000, 20000, 200000, 50000, 10000, 1}};
  if (arg == "small") cases.push_back(small);
  if (arg == "large") cases.push_back(large);
  if (arg == "small" || arg == "large") return true;
  Case custom{"custom", {}};
  auto& s = custom.size;
  if (std::sscanf(arg.c_str(), "%d,%d,%d,%d,%d", &s.clients, &s.matters, &s.time, &s.costs, &s.payments) != 5)
    return false;
  cases.push_back(custom);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Case> cases;
  for (int i = 1; i < argc; ++i) {
    if (!parseCase(argv[i], cases)) {
      std::fprintf(stderr, "usage: %s [small | large | CLIENTS,MATTERS,TIME,COSTS,PAYMENTS] ...\n", argv[0]);
      return 2;
    }
  }
  if (cases.empty()) {
    parseCase("small", cases);
    parseCase("large", cases);
  }
  const auto root =
      std::filesystem::temp_directory_path() / ("vrk-bench-statements-" + std::to_string(::getpid()));
  std::printf("%-8s %-9s %9s %10s  %s\n", "office", "step", "seconds", "peak MiB", "result");
  bool ok = true;
  for (const auto& c : cases) ok = runCase(c, root) && ok;
  std::filesystem::remove_all(root);
  return ok ? 0 : 1;
}
