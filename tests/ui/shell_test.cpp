// The program's start: first run through its windows, the main window's label, a guard refusal.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/closing/period_seal.h"
#include "core/shell/guards.h"
#include "core/shell/start_up.h"
#include "core/store/transaction.h"
#include "support/temp_folder.h"
#include "ui/common/directory_tree.h"
#include "ui/common/message_boxes.h"
#include "ui/common/up_down_edit.h"
#include "ui/modal_driver.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/shell/create_directory_form.h"
#include "ui/shell/opening_form.h"
#include "ui/test_services.h"
#include "vrk_version.h"

namespace vrk::ui {
namespace {

void click(QWidget* window, const char* name) {
  auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
  QVERIFY2(button, name);
  QTest::mouseClick(button, Qt::LeftButton);
}

void type(QWidget* window, const char* name, const QString& text) {
  auto* edit = window->findChild<UpDownEdit*>(QString::fromLatin1(name));
  QVERIFY2(edit, name);
  edit->setText(text);
}

class ShellTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    messages_.clear();
    setMessageInterceptor([this](const dialog::Message& message) {
      messages_.push_back(message);
      return answer_;
    });
  }
  void cleanup() { setMessageInterceptor({}); }

  void firstRunReachesTheMainWindow() {
    test::TempFolder temp;
    const std::filesystem::path parent = temp / "B\xC3\xBCro";  // a folder name beyond ASCII
    const QString parentPath = QString::fromStdString(parent.string());
    Application app(services_.app);
    app.start();
    test::ModalDriver driver;
    driver.expect(QStringLiteral("TPickDirectoryForm"), [&](QWidget* form) {
      // The chooser makes the parent folder with New Folder; unusable names are refused.
      auto* tree = form->findChild<DirectoryTree*>();
      tree->selectDirectory(QString::fromStdString(temp.path().string()));
      for (const char* unusable : {"", "  ", "a/b", "..", "x:y"}) QVERIFY(!tree->createFolder(QString::fromUtf8(unusable)).isEmpty());
      QCOMPARE(tree->createFolder(QString::fromUtf8(" B\xC3\xBCro ")), QString());
      QCOMPARE(tree->selectedDirectory(), parentPath);
      tree->selectDirectory(QString::fromStdString(temp.path().string()));
      QVERIFY(tree->createFolder(QString::fromUtf8("B\xC3\xBCro")).contains(QStringLiteral("already exists")));
      QCOMPARE(tree->selectDirectory(parentPath), parentPath);
      click(form, "OkButton");
    });
    driver.expect(QStringLiteral("TCreateDirectoryForm"), [&](QWidget* form) {
      QVERIFY(form->findChild<QLabel*>(QStringLiteral("CreateDirectoryLabel"))
                  ->text()
                  .endsWith(QString::fromUtf8("B\xC3\xBCro/VRK DATA FILES/")));
      click(form, "YesButton");
    });
    driver.expect(QStringLiteral("TInvoiceNumberQueryBox"), [&](QWidget* box) {
      type(box, "InvoiceNumberEdit", QStringLiteral("32767"));
      click(box, "OkButton");  // refused: the box stays open
      type(box, "InvoiceNumberEdit", QStringLiteral("1,001"));
      click(box, "OkButton");
    });
    driver.expect(QStringLiteral("TBillingPeriodQueryBox"), [&](QWidget* box) {
      auto* month = box->findChild<UpDownEdit*>(QStringLiteral("MonthEdit"));
      QCOMPARE(month->text(), QStringLiteral("12"));
      type(box, "MonthEdit", QStringLiteral("7"));
      type(box, "YearEdit", QStringLiteral("2001"));
      click(box, "OkButton");
    });
    driver.start();
    click(app.openingForm(), "ContinueButton");
    QTRY_VERIFY(driver.done());

    const std::string data = parent.string() + "/VRK DATA FILES/";
    QCOMPARE(services_.settings.readString("DataFilesPath"), data);
    QCOMPARE(services_.settings.readString("NextInvoiceNumber"), std::string("1001"));
    QCOMPARE(services_.session.billingPeriod, std::string("072001"));
    QVERIFY(std::filesystem::is_directory(data + "072001"));
    QTRY_VERIFY(app.mainWindow()->isVisible());
    QVERIFY(!app.openingForm()->isVisible());
    QCOMPARE(app.mainWindow()->findChild<QLabel*>(QStringLiteral("BillingPeriodLabel"))->text(),
             QStringLiteral("Billing Period is  07/2001"));
    // The offscreen screen is 800 by 600: the size warning first, then the refused invoice number.
    QCOMPARE(messages_.size(), size_t{2});
    QCOMPARE(messages_[0].kind, dialog::MessageKind::Warning);
    QCOMPARE(messages_[0].text,
             std::string("THIS APPLICATION REQUIRES A SCREEN RESOLUTION SETTING OF 1024 BY 768 OR HIGHER"));
    QCOMPARE(messages_[1].text, std::string(shell::kInvalidInvoiceNumber));

    // Help > About: the version, the data directory in use and where the settings are kept.
    app.mainWindow()->findChild<QMenu*>(QStringLiteral("HelpMenu"))->actions().last()->trigger();
    QCOMPARE(messages_.back().text, "VRK Time and Billing\r\nVersion " + std::string(kVersion) +
                                        "\r\n\r\nData directory: " + data + "\r\nSettings: not saved");

    // Another tab opens the period again: a folder deleted meanwhile comes back.
    std::filesystem::remove(data + "072001");
    app.mainWindow()->tabs()->setCurrentIndex(5);
    QVERIFY(std::filesystem::is_directory(data + "072001"));
    services_.settings = services::MemorySettingsStore();
  }

  void closingTheOpeningWindowEndsTheProgram() {
    Application app(services_.app);
    app.start();
    QSignalSpy ending(app.openingForm(), &TOpeningForm::exitRequested);
    app.openingForm()->close();  // the title bar's close box, not Exit
    QCOMPARE(ending.count(), 1);
    QVERIFY(!app.openingForm()->isVisible());
  }

  void unfinishedPriorPeriodRefusesAnAdd() {
    test::TempFolder data;
    std::filesystem::create_directories(data / "062001");
    test::writeFile(data / "062001" / "ClientGroups.Dat", "A\r\nB\r\nC\r\n");
    test::writeFile(data / "062001" / "ClientGroupsWithFinalStatements.Dat", "A\r\nB\r\n");
    services_.session.dataFilesPath = data.path().string() + "/";
    services_.session.billingPeriod = "072001";
    Application app(services_.app);
    click(app.mainWindow(), "AddANewClientButton");
    QCOMPARE(messages_.size(), size_t{1});
    QCOMPARE(messages_[0].kind, dialog::MessageKind::Information);
    QCOMPARE(messages_[0].text, std::string(shell::kPriorPeriodMessage));

    messages_.clear();
    click(app.mainWindow(), "DisplayPrintClientDataButton");  // no prior-period guard: the data check
    QCOMPARE(messages_.at(0).text, std::string("THERE ARE NO CLIENT DATA FILES FOR THIS BILLING PERIOD"));

    // By keyboard: Alt+A shows the Attorneys tab with its first command focused; Enter runs it.
    messages_.clear();
    app.mainWindow()->show();
    QApplication::setActiveWindow(app.mainWindow());
    QTest::keyClick(app.mainWindow(), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("AddANewAttorneyButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(messages_.at(0).text, std::string(shell::kPriorPeriodMessage));
    // Alt+A again, with the Attorneys tab already shown and the focus elsewhere.
    app.mainWindow()->findChild<QPushButton*>(QStringLiteral("ExitButton"))->setFocus();
    QTest::keyClick(app.mainWindow(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("AddANewAttorneyButton"));
  }

  // A sealed month whose files changed is said once when it opens, not again on every tab.
  void aChangedClosedMonthIsSaidOnceOnOpening() {
    test::TempFolder data;
    const auto folder = test::copySampleOffice(data.path());
    {
      store::Transaction tx(folder);
      closing::stageSeal(tx);
      tx.commit();
    }
    test::writeFile(folder / "Notes.Dat", "added later");
    services_.session.dataFilesPath = data.path().string() + "/";
    services_.session.billingPeriod = "072001";
    Application app(services_.app);
    for (const int tab : {1, 2, 0}) app.mainWindow()->tabs()->setCurrentIndex(tab);
    QCOMPARE(messages_.size(), size_t{1});
    QCOMPARE(messages_[0].kind, dialog::MessageKind::Warning);
    QCOMPARE(messages_[0].text, std::string(closing::kSealBrokenWarning));
  }

 private:
  test::TestServices services_{{2026, 12, 5}};
  std::vector<dialog::Message> messages_;
  bool answer_ = true;
};

}  // namespace

std::unique_ptr<QObject> makeShellTest() { return std::make_unique<ShellTest>(); }

}  // namespace vrk::ui

#include "shell_test.moc"
