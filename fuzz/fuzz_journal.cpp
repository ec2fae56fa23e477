// Commit journals. Any bytes: decoded as a journal or refused, never a crash. And a journal
// encoded from changes the input describes (with a link or not) decodes to those changes, and
// with any one byte altered is refused or decodes without a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/store/journal.h"

namespace {

using vrk::store::Transaction;
namespace journal = vrk::store::journal;

// Reads the input front to back; past its end every read gives zeros.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::string text(std::size_t most) {
    const std::size_t length = byte() % (most + 1);
    std::string out;
    for (std::size_t k = 0; k < length; ++k) out += static_cast<char>(byte());
    return out;
  }
  bool empty() const { return at_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

bool sameChanges(const std::vector<Transaction::Change>& a, const std::vector<Transaction::Change>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].removed != b[i].removed || a[i].replaced != b[i].replaced ||
        a[i].size != b[i].size || a[i].patches.size() != b[i].patches.size())
      return false;
    for (std::size_t p = 0; p < a[i].patches.size(); ++p)
      if (a[i].patches[p].offset != b[i].patches[p].offset || a[i].patches[p].bytes != b[i].patches[p].bytes)
        return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)journal::decode(std::string(reinterpret_cast<const char*>(data), size));

  Input input(data, size);
  std::vector<Transaction::Change> changes;
  const std::size_t count = input.byte() % 4;
  for (std::size_t c = 0; c < count; ++c) {
    Transaction::Change change;
    change.name = "File" + std::to_string(c) + ".Dat";
    const std::uint8_t flags = input.byte();
    change.removed = flags & 1;
    change.replaced = flags & 2;
    change.size = input.byte();
    for (std::size_t p = input.byte() % 3; p > 0; --p) change.patches.push_back({input.byte(), input.text(16)});
    changes.push_back(change);
  }
  std::uint64_t stampAfter = 0;
  std::string bytes = journal::encode(changes, input.byte(), stampAfter);
  const bool linked = input.byte() & 1;
  if (linked) journal::addLink(bytes, {"072001", input.byte(), input.byte()});
  const auto decoded = journal::decode(bytes);
  if (!decoded || !sameChanges(decoded->changes, changes) || decoded->stampAfter != stampAfter ||
      decoded->link.has_value() != linked)
    std::abort();  // an intact journal must decode to what was encoded
  if (!bytes.empty()) {
    const std::size_t at = (static_cast<std::size_t>(input.byte()) << 8 | input.byte()) % bytes.size();
    bytes[at] = static_cast<char>(bytes[at] ^ (input.byte() | 1));
    (void)journal::decode(bytes);
  }
  return 0;
}
