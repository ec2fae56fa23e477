#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include "core/store/store_error.h"
#include "platform/settings.h"

namespace vrk::platform {
namespace {

class SettingsFile : public ::testing::Test {
 protected:
  std::string path(const char* name = "settings.ini") const {
    return dir_.filePath(QString::fromLatin1(name)).toStdString();
  }
  QByteArray raw(const char* name = "settings.ini") const {
    QFile file(QString::fromStdString(path(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void writeRaw(const QByteArray& text) const {
    QFile file(QString::fromStdString(path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  QTemporaryDir dir_;
};

TEST_F(SettingsFile, NewStoreHasNoKeyAndEmptyValues) {
  const auto store = openSettingsStore(path());
  EXPECT_FALSE(store->keyExists());
  for (const char* name :
       {services::kDataFilesPath, services::kBackupDataFilesPath, services::kNextInvoiceNumber})
    EXPECT_EQ(store->readString(name), "") << name;
}

TEST_F(SettingsFile, CreatedKeyWithoutValuesSurvivesReopening) {
  openSettingsStore(path())->createKey();
  const auto reopened = openSettingsStore(path());
  EXPECT_TRUE(reopened->keyExists());
  EXPECT_EQ(reopened->readString(services::kDataFilesPath), "");
}

TEST_F(SettingsFile, WritingAValueCreatesTheKey) {
  openSettingsStore(path())->writeString(services::kNextInvoiceNumber, "1001");
  EXPECT_TRUE(openSettingsStore(path())->keyExists());
}

TEST_F(SettingsFile, ValuesRoundTripExactly) {
  const std::string values[] = {
      "C:\\",
      "C:\\Office\\VRK DATA FILES\\",
      "/home/office/VRK DATA FILES/",
      "a, b",
      "  padded  ",
      "",
      "1001",
      "@Variant(x)",
      "x=y;#z",
      "\"quoted\"",
      "caf\xC3\xA9 \xE2\x82\xAC",
  };
  for (const std::string& value : values) {
    openSettingsStore(path())->writeString(services::kDataFilesPath, value);
    EXPECT_EQ(openSettingsStore(path())->readString(services::kDataFilesPath), value);
  }
}

TEST_F(SettingsFile, EveryWriteIsOnDiskAtOnce) {
  const auto store = openSettingsStore(path());
  store->writeString(services::kNextInvoiceNumber, "1001");
  EXPECT_TRUE(raw().contains("NextInvoiceNumber=1001")) << raw().toStdString();
  store->writeString(services::kNextInvoiceNumber, "1002");
  EXPECT_TRUE(raw().contains("NextInvoiceNumber=1002")) << raw().toStdString();
}

TEST_F(SettingsFile, HandWrittenFileIsRead) {
  writeRaw("[Software]\nVRK\\DataFilesPath=/data/a,b/\nVRK\\NextInvoiceNumber=7\n");
  const auto store = openSettingsStore(path());
  EXPECT_TRUE(store->keyExists());
  EXPECT_EQ(store->readString(services::kDataFilesPath), "/data/a,b/");
  EXPECT_EQ(store->readString(services::kNextInvoiceNumber), "7");
  EXPECT_EQ(store->readString(services::kBackupDataFilesPath), "");
}

TEST_F(SettingsFile, EnvironmentVariableChoosesTheFileAndAnArgumentWins) {
  qputenv(kSettingsFileVariable, QByteArray::fromStdString(path("from-variable.ini")));
  openSettingsStore()->writeString(services::kNextInvoiceNumber, "5");
  openSettingsStore(path())->writeString(services::kNextInvoiceNumber, "6");
  qunsetenv(kSettingsFileVariable);
  EXPECT_TRUE(raw("from-variable.ini").contains("NextInvoiceNumber=5"));
  EXPECT_TRUE(raw().contains("NextInvoiceNumber=6"));
}

TEST_F(SettingsFile, UnwritableFileRaisesStoreError) {
  writeRaw("not a folder");
  const auto store = openSettingsStore(path() + "/settings.ini");
  EXPECT_THROW(store->writeString(services::kDataFilesPath, "/x/"), store::StoreError);
  EXPECT_THROW(store->createKey(), store::StoreError);
}

}  // namespace
}  // namespace vrk::platform
