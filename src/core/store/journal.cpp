#include "core/store/journal.h"

#include <cstdint>
#include <cstring>

#include "core/store/file_io.h"

namespace vrk::store::journal {
namespace {

constexpr char kMagic[8] = {'V', 'R', 'K', 'J', 'R', 'N', 'L', '2'};
constexpr std::uint64_t kFnvStart = 1469598103934665603ULL;

std::uint64_t fnv1a(const std::string& bytes, std::size_t from, std::size_t to, std::uint64_t hash) {
  for (std::size_t i = from; i < to; ++i) {
    hash ^= static_cast<unsigned char>(bytes[i]);
    hash *= 1099511628211ULL;
  }
  return hash;
}

std::uint64_t getU64(const std::string& bytes, std::size_t at) {
  std::uint64_t value = 0;
  for (std::size_t i = 8; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

void putU64(std::string& out, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

class Reader {
 public:
  Reader(const std::string& bytes, std::size_t end) : bytes_(bytes), end_(end) {}
  bool u64(std::uint64_t& value) {
    if (end_ - pos_ < 8) return false;
    value = getU64(bytes_, pos_);
    pos_ += 8;
    return true;
  }
  bool text(std::string& value, std::uint64_t length) {
    if (end_ - pos_ < length) return false;
    value.assign(bytes_, pos_, length);
    pos_ += length;
    return true;
  }
  bool atEnd() const { return pos_ == end_; }

 private:
  const std::string& bytes_;
  std::size_t end_;
  std::size_t pos_ = sizeof kMagic;
};

}  // namespace

std::uint64_t readStamp(const std::filesystem::path& folder) {
  const auto path = folder / kStampName;
  const auto size = io::fileSize(path);
  if (!size || *size == 0) return 0;
  if (*size != 8) return kUnreadableStamp;
  return getU64(io::readRange(path, 0, 8), 0);
}

Transaction::Change stampChange(const std::filesystem::path& folder, std::uint64_t stamp) {
  Transaction::Change change;
  change.name = kStampName;
  change.replaced = !io::fileSize(folder / kStampName);
  change.size = 8;
  std::string bytes;
  putU64(bytes, stamp);
  change.patches.push_back({0, std::move(bytes)});
  return change;
}

std::string encode(const std::vector<Transaction::Change>& changes, std::uint64_t stampBefore,
                   std::uint64_t& stampAfter) {
  std::string out(kMagic, sizeof kMagic);
  putU64(out, changes.size());
  for (const auto& change : changes) {
    putU64(out, change.name.size());
    out += change.name;
    putU64(out, (change.removed ? 1U : 0U) | (change.replaced ? 2U : 0U));
    putU64(out, change.size);
    putU64(out, change.patches.size());
    for (const auto& patch : change.patches) {
      putU64(out, patch.offset);
      putU64(out, patch.bytes.size());
      out += patch.bytes;
    }
  }
  // One pass of the hash over the changes and the stamp before gives the stamp after; going on
  // over the stamp after gives the journal's checksum.
  putU64(out, stampBefore);
  std::uint64_t hash = fnv1a(out, 0, out.size(), kFnvStart);
  stampAfter = hash;
  if (stampAfter == 0 || stampAfter == stampBefore || stampAfter == kUnreadableStamp)
    stampAfter = stampBefore + 1;
  const std::size_t at = out.size();
  putU64(out, stampAfter);
  hash = fnv1a(out, at, out.size(), hash);
  putU64(out, hash);
  return out;
}

std::optional<Journal> decode(const std::string& bytes) {
  if (bytes.size() < sizeof kMagic + 32 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    return std::nullopt;
  const std::size_t end = bytes.size() - 24;  // the two stamps and the checksum close the journal
  if (getU64(bytes, bytes.size() - 8) != fnv1a(bytes, 0, bytes.size() - 8, kFnvStart)) return std::nullopt;

  Journal journal;
  journal.stampBefore = getU64(bytes, end);
  journal.stampAfter = getU64(bytes, end + 8);
  Reader in(bytes, end);
  std::uint64_t count = 0;
  if (!in.u64(count)) return std::nullopt;
  auto& changes = journal.changes;
  for (std::uint64_t i = 0; i < count; ++i) {
    Transaction::Change change;
    std::uint64_t length = 0, flags = 0, patches = 0;
    if (!in.u64(length) || !in.text(change.name, length) || !in.u64(flags) || !in.u64(change.size) ||
        !in.u64(patches))
      return std::nullopt;
    if (change.name.empty() || change.name == "." || change.name == ".." ||
        change.name.find_first_of("/\\") != std::string::npos)
      return std::nullopt;  // only plain names of files in the folder itself
    change.removed = (flags & 1U) != 0;
    change.replaced = (flags & 2U) != 0;
    for (std::uint64_t p = 0; p < patches; ++p) {
      Transaction::Patch patch;
      if (!in.u64(patch.offset) || !in.u64(length) || !in.text(patch.bytes, length)) return std::nullopt;
      change.patches.push_back(std::move(patch));
    }
    changes.push_back(std::move(change));
  }
  if (!in.atEnd()) return std::nullopt;
  return journal;
}

void apply(const std::filesystem::path& folder, const Transaction::Change& change) {
  const auto path = folder / change.name;
  if (change.removed) {
    io::removeFile(path);
    return;
  }
  io::WritableFile file(path, change.replaced);
  for (const auto& patch : change.patches) file.writeAt(patch.offset, patch.bytes);
  file.resize(change.size);
  file.sync();
}

}  // namespace vrk::store::journal
