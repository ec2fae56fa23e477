#include "core/store/journal.h"

#include <cstdint>
#include <cstring>

#include "core/store/file_io.h"

namespace vrk::store::journal {
namespace {

constexpr char kMagic[8] = {'V', 'R', 'K', 'J', 'R', 'N', 'L', '1'};

std::uint64_t fnv1a(const std::string& bytes, std::size_t length) {
  std::uint64_t hash = 1469598103934665603ULL;
  for (std::size_t i = 0; i < length; ++i) {
    hash ^= static_cast<unsigned char>(bytes[i]);
    hash *= 1099511628211ULL;
  }
  return hash;
}

void putU64(std::string& out, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

class Reader {
 public:
  Reader(const std::string& bytes, std::size_t end) : bytes_(bytes), end_(end) {}
  bool u64(std::uint64_t& value) {
    if (end_ - pos_ < 8) return false;
    value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes_[pos_ + i]);
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

std::string encode(const std::vector<Transaction::Change>& changes) {
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
  putU64(out, fnv1a(out, out.size()));
  return out;
}

std::optional<std::vector<Transaction::Change>> decode(const std::string& bytes) {
  if (bytes.size() < sizeof kMagic + 16 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    return std::nullopt;
  const std::size_t end = bytes.size() - 8;
  Reader checksum(bytes, bytes.size());
  std::uint64_t stored = 0;
  for (std::size_t i = 0; i < 8; ++i)
    stored |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[end + i])) << (8 * i);
  if (stored != fnv1a(bytes, end)) return std::nullopt;

  Reader in(bytes, end);
  std::uint64_t count = 0;
  if (!in.u64(count)) return std::nullopt;
  std::vector<Transaction::Change> changes;
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
  return changes;
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
