// SHA-256 (FIPS 180-4), fed in pieces: the fingerprints of period seals and checked backup copies.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vrk::store {

class Sha256 {
 public:
  Sha256();

  // Adds the next bytes of the message; may be called any number of times.
  void update(std::string_view bytes);
  // The digest of everything added so far, as 64 lower-case hex digits. The object stays usable:
  // more bytes may follow and hex() then covers them too.
  std::string hex() const;

 private:
  void block(const unsigned char* bytes);

  std::array<std::uint32_t, 8> state_;
  std::array<unsigned char, 64> pending_{};
  std::size_t pendingSize_ = 0;
  std::uint64_t length_ = 0;  // bytes added so far
};

// The digest of `bytes` in one call.
std::string sha256Hex(std::string_view bytes);

}  // namespace vrk::store
