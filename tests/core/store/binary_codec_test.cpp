#include "core/store/binary_codec.h"

#include <gtest/gtest.h>

namespace vrk::store {

TEST(LengthPrefixedText, StoreCutsToWidthAndReadHonoursLength) {
  struct Case {
    std::size_t width;
    std::string text;
    std::string bytes;
    std::string readBack;
  };
  const Case cases[] = {
      {7, "ACME",
       std::string("\x04"
                   "ACME\0\0\0",
                   8),
       "ACME"},
      {7, "", std::string(8, '\0'), ""},
      {5, "123456",
       std::string("\x05"
                   "12345",
                   6),
       "12345"},
      {3, "JD",
       std::string("\x02"
                   "JD\0",
                   4),
       "JD"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(encodeText(c.width, c.text), c.bytes) << c.text;
    EXPECT_EQ(getText(c.bytes, 0, c.width), c.readBack) << c.text;
  }
}

TEST(LengthPrefixedText, BytesPastTheLengthAreIgnoredAndBadLengthsClamped) {
  EXPECT_EQ(getText(std::string("\x02"
                                "ABXYZ",
                                6),
                    0, 5),
            "AB");
  EXPECT_EQ(getText(std::string("\xFF"
                                "ABCDE\x02XY",
                                9),
                    0, 5),
            "ABCDE");  // a damaged length byte does not reach into the next field
}

TEST(LittleEndianNumbers, IntegersAndDoublesRoundTripInStoredByteOrder) {
  std::string bytes(12, '\0');
  putInt32(bytes, 0, -2);
  putDouble(bytes, 4, 37075.25);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(bytes.substr(4), std::string("\0\0\0\0\x68\x1A\xE2\x40", 8));
  EXPECT_EQ(getInt32(bytes, 0), -2);
  EXPECT_EQ(getDouble(bytes, 4), 37075.25);
  EXPECT_EQ(decodeInt32s(encodeInt32s({3, 0, 70000}), 3), (std::vector<std::int32_t>{3, 0, 70000}));
  EXPECT_EQ(encodeInt32s({1, 2, 3}, 1), encodeInt32s({2, 3}));
}

}  // namespace vrk::store
