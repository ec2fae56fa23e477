// vrk-batch verify: checks closed billing periods against their seals.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace vrk::batch {

// Checks the period `period` (MMYYYY) of the data directory, or with `all` every MMYYYY folder
// in it, in date order. Prints one line per period: "MMYYYY: sealed, all files hold",
// "MMYYYY: not sealed", or one "MMYYYY: changed: X" (missing:, added:) per problem; a seal that
// cannot be read prints "MMYYYY: " and the error. Returns kExitOk when every sealed period checked
// holds (with `all`, unsealed periods do not fail), kExitRefused when one does not, when the one
// period named is not sealed or has no folder, or when the data directory cannot be listed;
// kExitUsage when `period` is not MMYYYY and `all` is false.
int verifyPeriods(const std::filesystem::path& dataDir, const std::string& period, bool all, std::ostream& out);

}  // namespace vrk::batch
