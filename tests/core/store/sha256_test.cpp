#include "core/store/sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace vrk::store {
namespace {

// The FIPS 180-2 examples, each fed whole and then in pieces that straddle the 64-byte blocks in
// every way, and the digest asked for halfway (hex() must not disturb what follows).
TEST(Sha256, StandardVectorsWholeAndInPieces) {
  struct Case {
    const char* what;
    std::string message;
    const char* digest;
  };
  const Case cases[] = {
      {"empty", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"448 bits", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {"896 bits",
       "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstn"
       "opqrstu",
       "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
      {"one million a", std::string(1000000, 'a'),
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(sha256Hex(c.message), c.digest);
    for (const std::size_t piece : {std::size_t{1}, std::size_t{55}, std::size_t{63}, std::size_t{64},
                                    std::size_t{65}, std::size_t{1000}}) {
      Sha256 digest;
      for (std::size_t at = 0; at < c.message.size(); at += piece) {
        digest.update(std::string_view(c.message).substr(at, piece));
        if (at == piece) digest.hex();  // a look midway changes nothing
      }
      EXPECT_EQ(digest.hex(), c.digest) << "pieces of " << piece;
    }
  }
}

}  // namespace
}  // namespace vrk::store
