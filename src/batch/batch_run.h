// Runs one vrk-batch command line: do, print or help; returns the process exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vrk::batch {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFileError = 3;

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vrk::batch
