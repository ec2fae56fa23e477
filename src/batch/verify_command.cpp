#include "batch/verify_command.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "batch/batch_run.h"
#include "core/closing/period_seal.h"
#include "core/dialog/outcome.h"
#include "core/store/billing_period.h"
#include "core/store/store_error.h"

namespace vrk::batch {
namespace {

namespace fs = std::filesystem;

enum class Verdict { Holds, NotSealed, Broken };

Verdict verifyOne(const fs::path& dataDir, const std::string& period, std::ostream& out) {
  try {
    const auto problems = closing::checkSeal(dataDir / period);
    if (!problems) {
      out << period << ": not sealed\n";
      return Verdict::NotSealed;
    }
    if (problems->empty()) {
      out << period << ": sealed, all files hold\n";
      return Verdict::Holds;
    }
    for (const closing::SealProblem& problem : *problems) out << period << ": " << closing::describe(problem) << "\n";
  } catch (const std::exception& error) {  // a damaged seal, an unreadable file, a folder in use
    out << period << ": " << dialog::plainLineBreaks(store::errorText(error)) << "\n";
  }
  return Verdict::Broken;
}

// The MMYYYY folders of the data directory, oldest first.
std::vector<std::string> periodFolders(const fs::path& dataDir, std::error_code& error) {
  std::vector<std::string> periods;
  fs::directory_iterator it(dataDir, error);
  for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    if (store::isBillingPeriod(name) && it->is_directory(typeError)) periods.push_back(name);
  }
  std::sort(periods.begin(), periods.end(), [](const std::string& a, const std::string& b) {
    return std::pair(store::periodYear(a), store::periodMonth(a)) <
           std::pair(store::periodYear(b), store::periodMonth(b));
  });
  return periods;
}

}  // namespace

int verifyPeriods(const fs::path& dataDir, const std::string& period, bool all, std::ostream& out) {
  if (!all) {
    if (!store::isBillingPeriod(period)) {
      out << "not a billing period (MMYYYY): " << period << "\n";
      return kExitUsage;
    }
    std::error_code error;
    if (!fs::is_directory(dataDir / period, error)) {
      out << period << ": no folder for this billing period in " << dataDir.string() << "\n";
      return kExitRefused;
    }
    return verifyOne(dataDir, period, out) == Verdict::Holds ? kExitOk : kExitRefused;
  }
  std::error_code error;
  const std::vector<std::string> periods = periodFolders(dataDir, error);
  if (error) {
    out << "The data directory cannot be listed (" << error.message() << "): " << dataDir.string() << "\n";
    return kExitRefused;
  }
  if (periods.empty()) out << "no billing period folders in " << dataDir.string() << "\n";
  bool holds = true;
  for (const std::string& each : periods)
    if (verifyOne(dataDir, each, out) == Verdict::Broken) holds = false;
  return holds ? kExitOk : kExitRefused;
}

}  // namespace vrk::batch
