// The seal of a closed billing period: the size and SHA-256 of each of its data files, written
// with the last client group's final statements, so that a later change or damage shows.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/store/transaction.h"

namespace vrk::closing {

// The seal file, kept in the billing-period folder it seals.
inline constexpr const char* kSealName = "Period Seal.txt";

// What the main window and vrk-batch say when a sealed period no longer matches its seal.
inline constexpr const char* kSealBrokenWarning =
    "THE FILES OF THIS CLOSED BILLING PERIOD HAVE CHANGED SINCE ITS FINAL STATEMENTS";

// True for the names a seal covers: every regular file directly in the folder except names
// starting with '.' (journal, stamp, lock), the seal itself and archived printouts (".pdf").
bool isSealedFileName(const std::string& name);

// The seal's text for the folder as it will be once `tx` commits (files it stages are covered,
// files it removes are not): "PERIOD SEAL MMYYYY", the folder's name, then one line per data
// file in name order, "<64 hex digits of SHA-256>  <size>  <name>", every line ending in CRLF.
// Files are hashed in pieces, so a large one is never read whole. StoreError when the folder
// cannot be listed or a file cannot be read.
std::string sealText(const store::Transaction& tx);

// Stages the seal of the folder as `tx` leaves it.
void stageSeal(store::Transaction& tx);

struct SealProblem {
  enum Kind { Changed, Missing, Added } kind;
  std::string file;

  bool operator==(const SealProblem&) const = default;
};

// Nothing when the folder holds no seal; else how its data files differ from the seal now (a
// file of another size or hash is Changed), in name order, empty when every file holds. Reads
// through a transaction on the folder: it takes the folder's lock and finishes an interrupted
// save first. A damaged seal (a line that does not read, a name out of order or repeated, a
// heading naming another folder) is a StoreError naming the seal file.
std::optional<std::vector<SealProblem>> checkSeal(const std::filesystem::path& folder);

// "changed: TimeData.Dat", "missing: …", "added: …".
std::string describe(const SealProblem& problem);

// What opening a billing period says of its seal: kSealBrokenWarning when the period is sealed and
// its files no longer hold, or its seal is damaged; nothing when it holds, when it is not sealed,
// or when the folder cannot be read (opening reports that itself).
bool sealBroken(const std::filesystem::path& folder);

}  // namespace vrk::closing
