#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace vrk::platform {
namespace {

TEST(TextCodec, StoredBytesAndScreenTextCorrespond) {
  struct Case {
    std::string stored;
    QString shown;
  };
  const Case cases[] = {
      {"ABC 123", QStringLiteral("ABC 123")},
      {"caf\xE9", QString::fromUtf8("caf\xC3\xA9")},
      {"\x80 5", QString::fromUtf8("\xE2\x82\xAC 5")},
      {"\x93Q\x94", QString::fromUtf8("\xE2\x80\x9CQ\xE2\x80\x9D")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fromStored(c.stored), c.shown) << c.stored;
    EXPECT_EQ(toStored(c.shown), c.stored) << c.stored;
  }
  EXPECT_EQ(toStored(QString::fromUtf8("a\xE2\x98\x83z")), "a?z");  // not in the files' character set
}

}  // namespace
}  // namespace vrk::platform
