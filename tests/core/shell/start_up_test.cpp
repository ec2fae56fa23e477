#include "core/shell/start_up.h"

#include <gtest/gtest.h>

#include "core/text/cp1252.h"
#include "support/temp_folder.h"

namespace vrk::shell {
namespace {

// Answers the start-up windows as a user would and remembers what they showed.
struct ScriptedDialogs : StartUpDialogs {
  std::optional<std::string> parent;
  bool createAnswer = true;
  std::optional<int> invoiceNumber;
  std::vector<std::string> shown;

  std::optional<std::string> pickParentDirectory() override {
    shown.push_back("chooser");
    return parent;
  }
  bool confirmCreateDirectory(const std::string& label) override {
    shown.push_back(label);
    return createAnswer;
  }
  std::optional<int> askFirstInvoiceNumber() override {
    shown.push_back("invoice number");
    return invoiceNumber;
  }
  void show(const dialog::Message& message) override { shown.push_back(message.text); }
};

}  // namespace

TEST(StartUp, FirstRunChoosesTheDataDirectoryAndTheFirstInvoiceNumber) {
  // Paths are UTF-8 in the settings and on disk; the confirmation's label is stored text.
  for (const std::string folderName : {"office", "B\xC3\xBCro"}) {
    SCOPED_TRACE(folderName);
    test::TempFolder temp;
    const std::string parent = (temp / folderName).string();
    std::filesystem::create_directory(parent);
    services::MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    dialogs.parent = parent;
    dialogs.invoiceNumber = 1001;
    Session session;
    EXPECT_FALSE(readSettingsOrSetUp(settings, dialogs, session).endProgram);
    const std::string expected = parent + "/VRK DATA FILES/";
    EXPECT_EQ(session.dataFilesPath, expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    EXPECT_TRUE(settings.keyExists());
    EXPECT_EQ(settings.readString("DataFilesPath"), expected);
    EXPECT_EQ(settings.readString("BackupDataFilesPath"), "/");
    EXPECT_EQ(settings.readString("NextInvoiceNumber"), "1001");
    ASSERT_EQ(dialogs.shown.size(), 3u);  // chooser, create confirmation, invoice number
    EXPECT_EQ(dialogs.shown[1], createDirectoryLabel(expected));
    EXPECT_NE(dialogs.shown[1].find(text::cp1252FromUtf8(expected)), std::string::npos);

    // A later start reads the settings and asks nothing.
    ScriptedDialogs later;
    Session next;
    EXPECT_FALSE(readSettingsOrSetUp(settings, later, next).endProgram);
    EXPECT_EQ(next.dataFilesPath, expected);
    EXPECT_TRUE(later.shown.empty());
  }
}

TEST(StartUp, CancellingTheFirstRunEndsTheProgramWithoutSettings) {
  test::TempFolder temp;
  struct Case { bool choose; bool create; };
  for (const Case c : {Case{false, true}, Case{true, false}}) {
    services::MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    if (c.choose) dialogs.parent = temp.path().string();
    dialogs.createAnswer = c.create;
    Session session;
    EXPECT_TRUE(readSettingsOrSetUp(settings, dialogs, session).endProgram);
    EXPECT_FALSE(settings.keyExists());
  }
}

TEST(StartUp, CancelledInvoiceNumberStoresOne) {
  test::TempFolder temp;
  services::MemorySettingsStore settings;
  ScriptedDialogs dialogs;
  dialogs.parent = temp.path().string() + "/";
  Session session;
  readSettingsOrSetUp(settings, dialogs, session);
  EXPECT_EQ(settings.readString("NextInvoiceNumber"), "1");
  EXPECT_EQ(session.dataFilesPath, temp.path().string() + "/VRK DATA FILES/");
}

TEST(StartUp, AMissingDataDirectoryIsOfferedAndAFailureReported) {
  test::TempFolder temp;
  services::MemorySettingsStore settings;
  settings.writeString("DataFilesPath", (temp / "gone" / "VRK DATA FILES").string() + "/");
  ScriptedDialogs dialogs;
  Session session;
  const auto read = readSettingsOrSetUp(settings, dialogs, session);
  EXPECT_FALSE(read.endProgram);
  ASSERT_EQ(dialogs.shown.size(), 2u);  // the confirmation, then the failure
  EXPECT_EQ(dialogs.shown[1].rfind("THE DATA DIRECTORY COULD NOT BE CREATED", 0), 0u);

  ScriptedDialogs declining;
  declining.createAnswer = false;
  EXPECT_TRUE(readSettingsOrSetUp(settings, declining, session).declinedCreate);
}

TEST(StartUp, CreateDirectoryLabelBreaksFromThirtyCharacters) {
  const std::string path29(29, 'p'), path30(30, 'p');
  EXPECT_EQ(createDirectoryLabel(path29), "Create New Directory:  " + path29);
  EXPECT_EQ(createDirectoryLabel(path30), "               Create New Directory:  \r\n\r\n" + path30);
}

TEST(StartUp, FirstInvoiceNumberDialog) {
  struct Case { const char* text; int number; };
  const Case cases[] = {{"1,000", 1000}, {"32766", 32766}, {"1", 1}, {"32767", 0}, {"0", 0}, {"", 0}, {"12a", 0}};
  for (const auto& c : cases) {
    InvoiceNumberQuery query;
    const auto outcome = query.ok(c.text);
    if (c.number) {
      EXPECT_EQ(outcome.closing, dialog::Closing::Ok) << c.text;
      EXPECT_EQ(query.number(), c.number);
    } else {
      EXPECT_EQ(outcome.closing, dialog::Closing::Stay) << c.text;
      EXPECT_EQ(outcome.messages.at(0).text, kInvalidInvoiceNumber);
      EXPECT_EQ(query.number(), 1);
    }
  }
}

}  // namespace vrk::shell
