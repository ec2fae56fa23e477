// Test support: runs the vrk-batch executable and captures its output and exit status.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace vrk::test {

struct BatchResult {
  std::string out;
  int status = -1;
};

inline std::string shellQuote(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

inline BatchResult runBatch(const std::vector<std::string>& args) {
  std::string command = shellQuote(VRK_BATCH_EXE);
  for (const auto& arg : args) command += " " + shellQuote(arg);
  command += " 2>/dev/null";
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

}  // namespace vrk::test
