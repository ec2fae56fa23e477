// Dialog tests: every Qt Test class runs in one application object on the offscreen platform.
#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

namespace vrk::ui {
std::unique_ptr<QObject> makeAgedAccountsDialogsTest();
std::unique_ptr<QObject> makeAttorneyDialogsTest();
std::unique_ptr<QObject> makeBackupRestoreTest();
std::unique_ptr<QObject> makeClientDialogsTest();
std::unique_ptr<QObject> makeCumulativeDialogsTest();
std::unique_ptr<QObject> makeHelpPagesTest();
std::unique_ptr<QObject> makeImportDialogTest();
std::unique_ptr<QObject> makeMailingLabelDialogsTest();
std::unique_ptr<QObject> makeMaskedEditTest();
std::unique_ptr<QObject> makeMatterDialogsTest();
std::unique_ptr<QObject> makeMatterListsDialogsTest();
std::unique_ptr<QObject> makeRecordDialogsTest();
std::unique_ptr<QObject> makeEditorDialogsTest();
std::unique_ptr<QObject> makeShellTest();
std::unique_ptr<QObject> makeStatementDialogsTest();
std::unique_ptr<QObject> makeStatementRunDialogsTest();
}  // namespace vrk::ui

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::vector<std::function<std::unique_ptr<QObject>()>> testClasses = {
      vrk::ui::makeAgedAccountsDialogsTest,
      vrk::ui::makeAttorneyDialogsTest,
      vrk::ui::makeBackupRestoreTest,
      vrk::ui::makeClientDialogsTest,
      vrk::ui::makeCumulativeDialogsTest,
      vrk::ui::makeHelpPagesTest,
      vrk::ui::makeImportDialogTest,
      vrk::ui::makeMailingLabelDialogsTest,
      vrk::ui::makeMaskedEditTest,
      vrk::ui::makeMatterDialogsTest,
      vrk::ui::makeMatterListsDialogsTest,
      vrk::ui::makeRecordDialogsTest,
      vrk::ui::makeEditorDialogsTest,
      vrk::ui::makeShellTest,
      vrk::ui::makeStatementDialogsTest,
      vrk::ui::makeStatementRunDialogsTest,
  };
  int failures = 0;
  for (const auto& make : testClasses) {
    const std::unique_ptr<QObject> test = make();
    failures += QTest::qExec(test.get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
