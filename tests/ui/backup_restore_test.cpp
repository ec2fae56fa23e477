// Dialog flows of backup and restore on temporary folders, with the real folder copy.
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>
#include <vector>

#include "support/temp_folder.h"
#include "ui/backup/backup_data_files_form.h"
#include "ui/backup/restore_data_files_form.h"
#include "ui/common/message_boxes.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

QString qPath(const fs::path& path) { return QString::fromStdString(path.string()); }
QString fileText(const fs::path& path) { return QString::fromStdString(readFile(path)); }

class BackupRestoreTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    folder_ = std::make_unique<test::TempFolder>();
    fs::create_directories(data() / "072001");
    fs::create_directories(save());
    writeFile(data() / "072001" / "ClientCodes.Dat", "ABC\r\n");
    services_.settings = services::MemorySettingsStore();
    services_.settings.writeString(services::kDataFilesPath, (data() / "").string());
    services_.settings.writeString(services::kBackupDataFilesPath, save().string());
    seen_.clear();
    setMessageInterceptor([this](const dialog::Message& message) {
      seen_.push_back(message);
      return true;  // Yes to every question
    });
  }

  void cleanup() {
    setMessageInterceptor({});
    folder_.reset();
  }

  void backupThenRestoreRoundTrip() {
    TBackupDataFilesForm backup(services_.app, nullptr);
    backup.show();
    QCOMPARE(label(backup)->text(), QDir::toNativeSeparators(qPath(save())));  // opens at the last backup
    QVERIFY(!progressBar(backup)->isVisible());
    QCOMPARE(progressBar(backup)->maximum(), 3);
    button(backup, "SaveButton")->click();
    QCOMPARE(backup.result(), int(QDialog::Accepted));
    const dialog::Message backedUp{dialog::MessageKind::Information,
                                   "THE BACKUP IS COMPLETE\r\n1 FILE IN 1 FOLDER WAS COPIED TO\r\n" +
                                       (save() / "VRK DATA FILES").string()};
    QCOMPARE(seen_.size(), std::size_t{1});
    QVERIFY(seen_[0] == backedUp);
    QCOMPARE(fileText(save() / "VRK DATA FILES" / "072001" / "ClientCodes.Dat"), QStringLiteral("ABC\r\n"));
    QCOMPARE(backupSetting(), qPath(save()));

    // Saving again into the backup folder itself asks first, then merges into it.
    writeFile(data() / "072001" / "ClientCodes.Dat", "CHANGED\r\n");
    TBackupDataFilesForm again(services_.app, nullptr);
    again.show();
    again.selectDirectory(qPath(save() / "VRK DATA FILES"));
    seen_.clear();
    button(again, "SaveButton")->click();
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(seen_.size(), std::size_t{2});
    QVERIFY(seen_[0] ==
            (dialog::Message{dialog::MessageKind::Confirmation, "OVERWRITE EXISTING BACKUP FILES?", true}));
    QVERIFY(seen_[1] == backedUp);
    QCOMPARE(progressBar(again)->value(), 3);
    QCOMPARE(fileText(save() / "VRK DATA FILES" / "072001" / "ClientCodes.Dat"),
             QStringLiteral("CHANGED\r\n"));
    QCOMPARE(backupSetting(), qPath((save() / "VRK DATA FILES")));

    // Restore refuses a folder of another name and stays open; the backup folder is restored.
    writeFile(save() / "VRK DATA FILES" / "072001" / "ClientCodes.Dat", "FROM BACKUP\r\n");
    writeFile(data() / "072001" / "OnlyHere.Dat", "kept");
    seen_.clear();
    TRestoreDataFilesForm restore(services_.app, nullptr);
    restore.show();
    restore.selectDirectory(qPath(save()));
    button(restore, "RestoreButton")->click();
    QVERIFY(restore.isVisible());
    QCOMPARE(seen_.size(), std::size_t{1});
    QVERIFY(seen_[0] ==
            (dialog::Message{dialog::MessageKind::Error, "SELECT A DIRECTORY WITH THE NAME VRK DATA FILES"}));
    QCOMPARE(backupSetting(), qPath((save() / "VRK DATA FILES")));

    restore.selectDirectory(qPath(save() / "VRK DATA FILES"));
    button(restore, "RestoreButton")->click();
    QCOMPARE(restore.result(), int(QDialog::Accepted));
    const fs::path kept = *folder_ / "office" / "VRK DATA FILES before restore 2001-07-15 000000";
    QCOMPARE(seen_.size(), std::size_t{2});  // no question before a restore, the box after it
    QVERIFY(seen_[1] ==
            (dialog::Message{dialog::MessageKind::Information,
                             "THE RESTORE IS COMPLETE\r\n1 FILE IN 1 FOLDER WAS COPIED FROM\r\n" +
                                 (save() / "VRK DATA FILES").string() +
                                 "\r\nTHE DATA FILES AS THEY WERE ARE KEPT IN\r\n" + kept.string()}));
    QCOMPARE(progressBar(restore)->value(), 3);
    QCOMPARE(fileText(data() / "072001" / "ClientCodes.Dat"), QStringLiteral("FROM BACKUP\r\n"));
    QCOMPARE(fileText(data() / "072001" / "OnlyHere.Dat"), QStringLiteral("kept"));
    QCOMPARE(fileText(kept / "072001" / "ClientCodes.Dat"), QStringLiteral("CHANGED\r\n"));
    QCOMPARE(fileText(kept / "072001" / "OnlyHere.Dat"), QStringLiteral("kept"));
  }

 private:
  fs::path data() const { return *folder_ / "office" / "VRK DATA FILES"; }
  fs::path save() const { return *folder_ / "save"; }
  QString backupSetting() const {
    return QString::fromStdString(services_.settings.readString(services::kBackupDataFilesPath));
  }

  static QLabel* label(QWidget& form) { return form.findChild<QLabel*>(QStringLiteral("SelectedPathLabel")); }
  static QProgressBar* progressBar(QWidget& form) {
    return form.findChild<QProgressBar*>(QStringLiteral("CopyProgressBar"));
  }
  static QPushButton* button(QWidget& form, const char* name) {
    return form.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  std::unique_ptr<test::TempFolder> folder_;
  test::TestServices services_{{2001, 7, 15}};
  std::vector<dialog::Message> seen_;
};

}  // namespace

std::unique_ptr<QObject> makeBackupRestoreTest() { return std::make_unique<BackupRestoreTest>(); }

}  // namespace vrk::ui

#include "backup_restore_test.moc"
