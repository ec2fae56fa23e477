// Dialog flows of the matter lists on a copy of the sample office: the client list shown in its text
// box (and the box for a client without matters), the group list and all matter data printed to PDF.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScopeGuard>
#include <QTest>
#include <memory>
#include <vector>

#include "core/reports/matter_list_reports.h"
#include "support/temp_folder.h"
#include "ui/common/message_boxes.h"
#include "ui/form_access.h"
#include "ui/modal_driver.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/office_test.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

using namespace test_form;

class MatterListsDialogsTest : public test::OfficeTest {
  Q_OBJECT

 private Q_SLOTS:
  void init() { openOffice(); }
  void cleanup() { closeOffice(); }

  void theClientListIsDisplayedAndStaysOpen() {
    Application app(services_.app);
    test::ModalDriver driver;
    driver.expect(QStringLiteral("TPrintMattersForClientForm"), [&](QWidget* opened) {
      auto& form = *opened;
      const auto closeAnyway = qScopeGuard([&] {
        if (form.isVisible()) static_cast<QDialog&>(form).reject();
      });
      QCOMPARE(form.windowTitle(), QStringLiteral("Display/Print A List Of All Matters For A Client"));
      auto* code = combo(form, "ClientCodeComboBox");
      QCOMPARE(items(code),
               (QStringList{QStringLiteral("ACME"), QStringLiteral("BETA1"), QStringLiteral("ZED")}));
      QCOMPARE(code->currentText(), QStringLiteral("ACME"));
      auto* progress = child<QProgressBar>(form, "ProgressBar1");
      QVERIFY(progress->isHidden());
      auto* memo = child<QPlainTextEdit>(form, "Memo1");
      QVERIFY(QFontInfo(memo->font()).fixedPitch());

      click(form, "DisplayButton");
      QVERIFY(form.isVisible());
      QVERIFY(!progress->isHidden());
      QCOMPARE(progress->value(), 3);  // every matter examined
      QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
      QCOMPARE(lines.size(), 14 + 3 + 3);
      QCOMPARE(lines[3], QString(27, QLatin1Char(' ')) + QStringLiteral("Matters For Client ACME"));
      QCOMPARE(lines[9], QStringLiteral("    Date Of This Report:  7/20/2001"));
      QCOMPARE(lines[15], QStringLiteral("    ACME           1              General corporate"));
      QCOMPARE(lines[16], QString(34, QLatin1Char(' ')) + QStringLiteral("Annual filings"));
      QCOMPARE(lines[18], QStringLiteral("    ACME           012            Lease dispute"));
      QVERIFY(seen_.empty());

      typeAndLeave(code, QStringLiteral("zed"));
      click(form, "DisplayButton");
      lines = memo->toPlainText().split(QLatin1Char('\n'));
      QCOMPARE(lines.size(), 14);  // the heading alone
      QCOMPARE(lines[3], QString(27, QLatin1Char(' ')) + QStringLiteral("Matters For Client ZED"));
      QCOMPARE(seen_.size(), std::size_t{1});
      QCOMPARE(seen_[0].text, std::string(reports::kNoMattersForClient));

      typeAndLeave(code, QStringLiteral("NOBODY"));
      click(form, "DisplayButton");
      QCOMPARE(seen_.size(), std::size_t{2});
      QCOMPARE(seen_[1].kind, dialog::MessageKind::Error);
      QCOMPARE(memo->toPlainText().split(QLatin1Char('\n')).size(), 14);  // a refusal keeps the list shown
      QVERIFY(form.isVisible());
    });
    driver.start();
    click(*app.mainWindow(), "DisplayPrintAListOfAllMattersForAClientButton");
    QTRY_VERIFY(driver.done());
  }

  void theGroupListPrintsAndCloses() {
    const auto pdf = folder_->path() / "group.pdf";
    services_.printer.useFile(QString::fromStdString(pdf.string()));
    Application app(services_.app);
    test::ModalDriver driver;
    driver.expect(QStringLiteral("TPrintMattersForClientGroupForm"), [&](QWidget* opened) {
      auto& form = *opened;
      const auto closeAnyway = qScopeGuard([&] {
        if (form.isVisible()) static_cast<QDialog&>(form).reject();
      });
      QCOMPARE(combo(form, "ClientGroupComboBox")->currentText(), QStringLiteral("A"));
      click(form, "PrintButton");
      QVERIFY(!form.isVisible());
      QCOMPARE(static_cast<QDialog&>(form).result(), int(QDialog::Accepted));
    });
    driver.start();
    click(*app.mainWindow(), "DisplayPrintAListOfAllMattersForAClientGroupButton");
    QTRY_VERIFY(driver.done());
    QVERIFY(seen_.empty());
    QVERIFY(test::readFile(pdf).rfind("%PDF", 0) == 0);
  }

  void allMatterDataOfAClientPrints() {
    const auto pdf = folder_->path() / "matters.pdf";
    services_.printer.useFile(QString::fromStdString(pdf.string()));
    Application app(services_.app);
    test::ModalDriver driver;
    driver.expect(QStringLiteral("TPrintAllMatterDataForAClientForm"), [&](QWidget* opened) {
      auto& form = *opened;
      const auto closeAnyway = qScopeGuard([&] {
        if (form.isVisible()) static_cast<QDialog&>(form).reject();
      });
      QVERIFY(form.findChild<QPlainTextEdit*>() == nullptr);  // Print only
      QCOMPARE(combo(form, "ClientCodeComboBox")->currentText(), QStringLiteral("ACME"));
      click(form, "PrintButton");
      QVERIFY(!form.isVisible());
      QCOMPARE(static_cast<QDialog&>(form).result(), int(QDialog::Accepted));
    });
    driver.start();
    click(*app.mainWindow(), "PrintAllMatterDataForAClientButton");
    QTRY_VERIFY(driver.done());
    QVERIFY(seen_.empty());
    QVERIFY(test::readFile(pdf).rfind("%PDF", 0) == 0);
  }
};

}  // namespace

std::unique_ptr<QObject> makeMatterListsDialogsTest() { return std::make_unique<MatterListsDialogsTest>(); }

}  // namespace vrk::ui

#include "matter_lists_dialogs_test.moc"
