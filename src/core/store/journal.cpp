#include "core/store/journal.h"

#include <cstdint>
#include <cstring>

#include "core/store/file_io.h"

namespace vrk::store::journal {
namespace {

constexpr char kMagic[8] = {'V', 'R', 'K', 'J', 'R', 'N', 'L', '2'};
constexpr std::uint64_t kFnvStart = 1469598103934665603ULL;
// The header's change count carries this bit when a link section follows the changes.
constexpr std::uint64_t kLinkedFlag = 1ULL << 63;
constexpr std::size_t kCountAt = sizeof kMagic;
constexpr std::size_t kTrailerSize = 24;  // the two stamps and the checksum close the journal

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

// A name of a file in the folder, or of a folder beside it: never a path that leads elsewhere.
bool isPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
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
  bool name(std::string& value) {
    std::uint64_t length = 0;
    return u64(length) && text(value, length) && isPlainName(value);
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

void addLink(std::string& journal, const Link& link) {
  journal.resize(journal.size() - 8);  // the checksum is made anew
  journal[kCountAt + 7] = static_cast<char>(static_cast<unsigned char>(journal[kCountAt + 7]) | 0x80U);
  std::string section;
  putU64(section, link.partner.size());
  section += link.partner;
  putU64(section, link.partnerBefore);
  putU64(section, link.partnerAfter);
  journal.insert(journal.size() - 16, section);
  putU64(journal, fnv1a(journal, 0, journal.size(), kFnvStart));
}

std::optional<Journal> decode(const std::string& bytes) {
  if (bytes.size() < sizeof kMagic + 32 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    return std::nullopt;
  const std::size_t end = bytes.size() - kTrailerSize;
  if (getU64(bytes, bytes.size() - 8) != fnv1a(bytes, 0, bytes.size() - 8, kFnvStart)) return std::nullopt;

  Journal journal;
  journal.stampBefore = getU64(bytes, end);
  journal.stampAfter = getU64(bytes, end + 8);
  Reader in(bytes, end);
  std::uint64_t count = 0;
  if (!in.u64(count)) return std::nullopt;
  const bool linked = (count & kLinkedFlag) != 0;
  count &= ~kLinkedFlag;
  auto& changes = journal.changes;
  for (std::uint64_t i = 0; i < count; ++i) {
    Transaction::Change change;
    std::uint64_t length = 0, flags = 0, patches = 0;
    if (!in.name(change.name) || !in.u64(flags) || !in.u64(change.size) || !in.u64(patches))
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
  if (linked) {
    Link link;
    if (!in.name(link.partner) || !in.u64(link.partnerBefore) || !in.u64(link.partnerAfter))
      return std::nullopt;  // only a folder beside this one
    journal.link = std::move(link);
  }
  if (!in.atEnd()) return std::nullopt;
  return journal;
}

std::filesystem::path normalFolder(const std::filesystem::path& folder) {
  auto path = std::filesystem::absolute(folder).lexically_normal();
  if (!path.has_filename()) path = path.parent_path();
  return path;
}

std::filesystem::path partnerFolder(const std::filesystem::path& folder, const Link& link) {
  return normalFolder(folder).parent_path() / link.partner;
}

bool arePartners(const std::filesystem::path& folder, const Journal& journal, const Journal& other) {
  return journal.link && other.link && other.link->partner == normalFolder(folder).filename().string() &&
         other.link->partnerBefore == journal.stampBefore && other.link->partnerAfter == journal.stampAfter &&
         journal.link->partnerBefore == other.stampBefore && journal.link->partnerAfter == other.stampAfter;
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
