#include "core/closing/period_seal.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <system_error>

#include "core/store/sha256.h"
#include "core/store/store_error.h"

namespace vrk::closing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHeading = "PERIOD SEAL ";
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kFieldGap = "  ";
constexpr std::size_t kHashDigits = 64;
// Files are hashed a piece at a time through the transaction, never read whole.
constexpr std::uint64_t kPiece = 1ULL << 20;

std::string folderName(const fs::path& folder) {
  fs::path plain = folder.lexically_normal();
  if (!plain.has_filename() && plain.has_relative_path()) plain = plain.parent_path();
  return plain.filename().string();
}

// The data files the folder holds once `tx` commits, in name order.
std::vector<std::string> dataFiles(const store::Transaction& tx) {
  std::set<std::string> names;
  std::error_code error;
  fs::directory_iterator it(tx.folder(), error);
  for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    std::error_code typeError;
    if (isSealedFileName(name) && it->is_regular_file(typeError)) names.insert(std::move(name));
  }
  if (error) throw store::StoreError(tx.folder(), "The folder cannot be listed (" + error.message() + ")");
  for (const std::string& name : tx.changedFiles())
    if (isSealedFileName(name)) names.insert(name);
  std::vector<std::string> existing;
  for (const std::string& name : names)
    if (tx.exists(name)) existing.push_back(name);  // a file the transaction removes reads as missing
  return existing;
}

std::string fileHash(const store::Transaction& tx, const std::string& name, std::uint64_t size) {
  store::Sha256 digest;
  for (std::uint64_t at = 0; at < size; at += kPiece)
    digest.update(tx.readRange(name, at, std::min(kPiece, size - at)));
  return digest.hex();
}

struct SealedFile {
  std::string name;
  std::uint64_t size = 0;
  std::string hash;
};

bool isHashText(std::string_view text) {
  return text.size() == kHashDigits && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

// The files a seal lists, in its order (checked ascending), refusing anything it would not write.
std::vector<SealedFile> parseSeal(const std::string& text, const fs::path& sealPath, const std::string& folder) {
  const auto damaged = [&sealPath](const std::string& why) {
    return store::StoreError(sealPath, "The period seal is damaged (" + why + ")");
  };
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find(kLineEnd, at);
    if (end == std::string::npos) throw damaged("its last line is not whole");
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  if (lines.empty()) throw damaged("it is empty");
  const std::string heading = kHeading + folder;
  if (lines[0] != heading) {
    if (lines[0].starts_with(kHeading) && lines[0].find_first_of("\r\n") == std::string::npos)
      throw damaged("it seals " + lines[0].substr(std::string(kHeading).size()) + ", not " + folder);
    throw damaged("its first line is not " + heading);
  }
  std::vector<SealedFile> files;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::string& line = lines[k];
    const auto bad = [&](const char* why) { return damaged("line " + std::to_string(k + 1) + ": " + why); };
    if (line.find_first_of("\r\n") != std::string::npos) throw bad("a stray line break");
    if (!isHashText(std::string_view(line).substr(0, kHashDigits))) throw bad("no SHA-256 hash of 64 hex digits");
    if (line.compare(kHashDigits, 2, kFieldGap) != 0) throw bad("no size after the hash");
    const std::size_t sizeAt = kHashDigits + 2;
    const std::size_t gap = line.find(kFieldGap, sizeAt);
    if (gap == std::string::npos || gap == sizeAt) throw bad("no size and name after the hash");
    SealedFile file;
    const char* first = line.data() + sizeAt;
    const char* last = line.data() + gap;
    const auto [stop, error] = std::from_chars(first, last, file.size);
    if (error != std::errc() || stop != last) throw bad("the size is not a whole number");
    file.name = line.substr(gap + 2);
    file.hash = line.substr(0, kHashDigits);
    if (!isSealedFileName(file.name) || file.name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
      throw bad("not the name of a data file");
    if (!files.empty() && !(files.back().name < file.name)) throw bad("a name out of order or repeated");
    files.push_back(std::move(file));
  }
  return files;
}

}  // namespace

bool isSealedFileName(const std::string& name) {
  if (name.empty() || name.front() == '.' || name == kSealName) return false;
  return !(name.size() >= 4 && name.compare(name.size() - 4, 4, ".pdf") == 0);
}

std::string sealText(const store::Transaction& tx) {
  std::string text = kHeading + folderName(tx.folder()) + kLineEnd;
  for (const std::string& name : dataFiles(tx)) {
    if (name.find_first_of("\r\n") != std::string::npos)
      throw store::StoreError(tx.pathOf(name), "The file cannot be sealed: its name holds a line break");
    const std::uint64_t size = tx.size(name);
    text += fileHash(tx, name, size) + kFieldGap + std::to_string(size) + kFieldGap + name + kLineEnd;
  }
  return text;
}

void stageSeal(store::Transaction& tx) { tx.writeWhole(kSealName, sealText(tx)); }

std::optional<std::vector<SealProblem>> checkSeal(const fs::path& folder) {
  const store::Transaction tx(folder);
  if (!tx.exists(kSealName)) return std::nullopt;
  const std::vector<SealedFile> sealed = parseSeal(tx.read(kSealName), tx.pathOf(kSealName), folderName(folder));
  const std::vector<std::string> present = dataFiles(tx);

  // Both lists are in name order: one pass over the two.
  std::vector<SealProblem> problems;
  auto seal = sealed.begin();
  auto now = present.begin();
  while (seal != sealed.end() || now != present.end()) {
    if (now == present.end() || (seal != sealed.end() && seal->name < *now)) {
      problems.push_back({SealProblem::Missing, seal->name});
      ++seal;
    } else if (seal == sealed.end() || *now < seal->name) {
      problems.push_back({SealProblem::Added, *now});
      ++now;
    } else {
      const std::uint64_t size = tx.size(*now);
      if (size != seal->size || fileHash(tx, *now, size) != seal->hash)
        problems.push_back({SealProblem::Changed, *now});
      ++seal;
      ++now;
    }
  }
  return problems;
}

std::string describe(const SealProblem& problem) {
  switch (problem.kind) {
    case SealProblem::Changed:
      return "changed: " + problem.file;
    case SealProblem::Missing:
      return "missing: " + problem.file;
    case SealProblem::Added:
      return "added: " + problem.file;
  }
  return problem.file;
}

bool sealBroken(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::exists(folder / kSealName, error)) return false;
  try {
    const auto problems = checkSeal(folder);
    return problems && !problems->empty();
  } catch (const store::StoreError& damaged) {
    return damaged.path().filename() == kSealName;  // a damaged seal; other file errors show elsewhere
  }
}

}  // namespace vrk::closing
