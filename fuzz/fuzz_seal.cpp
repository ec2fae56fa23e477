// Period seals of any bytes: checking a folder against a seal never fails other than with a file
// error naming the seal, and a seal written for the folder holds for it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "core/closing/period_seal.h"
#include "core/store/store_error.h"
#include "core/store/transaction.h"

namespace {

namespace fs = std::filesystem;

void write(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A July 2001 folder with two data files, and its seal checked once against the folder.
fs::path folder() {
  static const fs::path made = [] {
    const fs::path path = fs::temp_directory_path() / ("vrk-fuzz-seal-" + std::to_string(::getpid())) / "072001";
    fs::create_directories(path);
    write(path / "ClientCodes.Dat", "ACME\r\nZED\r\n");
    write(path / "TimeRecordData.Dat", std::string(300, '\x07'));
    vrk::store::Transaction tx(path);
    vrk::closing::stageSeal(tx);
    tx.commit();
    const auto problems = vrk::closing::checkSeal(path);
    if (!problems || !problems->empty()) std::abort();
    return path;
  }();
  return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path where = folder();
  write(where / vrk::closing::kSealName, std::string(reinterpret_cast<const char*>(data), size));
  try {
    const auto problems = vrk::closing::checkSeal(where);
    if (!problems) std::abort();  // the seal is there
    for (const auto& problem : *problems)
      if (problem.file.empty() || vrk::closing::describe(problem).empty()) std::abort();
  } catch (const vrk::store::StoreError& error) {
    if (error.path().filename() != vrk::closing::kSealName) std::abort();
  }
  return 0;
}
