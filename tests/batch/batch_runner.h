// Test support: runs the vrk-batch executable and captures its output and exit status.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace vrk::test {

struct BatchResult {
  std::string out;
  int status = -1;  // -1 also when the program was killed by a signal (an abort)
};

inline std::string shellQuote(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// `withErrors`: the error output is captured after the standard output instead of dropped.
inline BatchResult runBatch(const std::vector<std::string>& args, bool withErrors = false) {
  std::string command = shellQuote(VRK_BATCH_EXE);
  for (const auto& arg : args) command += " " + shellQuote(arg);
  command += withErrors ? " 2>&1" : " 2>/dev/null";
  BatchResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Runs vrk-batch on the data directory `dataDir` with a settings file of its own there, the
// given day taken as today, and the period when one is given.
inline BatchResult runBatchOn(const std::filesystem::path& dataDir, std::vector<std::string> args,
                              const std::string& today, const std::string& period = {},
                              bool withErrors = false) {
  std::vector<std::string> options = {
      "--settings", (dataDir / "settings.ini").string(), "--data-dir", dataDir.string(), "--today", today};
  if (!period.empty()) options.insert(options.end(), {"--period", period});
  args.insert(args.begin(), options.begin(), options.end());
  return runBatch(args, withErrors);
}

}  // namespace vrk::test
