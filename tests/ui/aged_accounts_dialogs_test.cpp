// Dialog flow of the aged accounts report opened from the Reports tab: the text box empty on
// opening, Display fills it (with the long-document box for a long report), Print writes the
// printed form to a PDF file and closes the dialog.
#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <memory>
#include <vector>

#include "core/document/long_document.h"
#include "support/temp_folder.h"
#include "ui/common/message_boxes.h"
#include "ui/form_access.h"
#include "ui/modal_driver.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/office_test.h"
#include "ui/pdf_text.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

using namespace test_form;

class AgedAccountsDialogsTest : public test::OfficeTest {
  Q_OBJECT

 private Q_SLOTS:
  void init() { openOffice(false); }
  void cleanup() { closeOffice(); }

  void displayShowsTheReportAndPrintWritesIt_data() {
    QTest::addColumn<QString>("office");
    QTest::addColumn<QString>("firstClientLine");
    QTest::addColumn<QString>("printedClientLine");
    QTest::addColumn<bool>("warns");
    QTest::newRow("sample office") << QStringLiteral("sample-office")
                                   << QStringLiteral(
                                          "      ACME           $0.00        $0.00      $750.00       "
                                          "$1,250.00      $500.00      $750.00")
                                   << QStringLiteral("ACME $0.00 $0.00 $750.00 $1,250.00 $500.00 $750.00")
                                   << false;
    QTest::newRow("three hundred clients")
        << QStringLiteral("three-hundred-clients") << QString() << QString() << true;
  }

  void displayShowsTheReportAndPrintWritesIt() {
    QFETCH(QString, office);
    QFETCH(QString, firstClientLine);
    QFETCH(QString, printedClientLine);
    QFETCH(bool, warns);
    test::copyOffice(folder_->path(), office.toStdString());
    const auto pdf = folder_->path() / "aged.pdf";
    services_.printer.useFile(QString::fromStdString(pdf.string()));
    Application app(services_.app);
    test::ModalDriver driver;
    driver.expect(QStringLiteral("TAgedAccountsReportForm"), [&](QWidget* opened) {
      auto& form = *opened;
      const auto closeAnyway = qScopeGuard([&] {
        if (form.isVisible()) static_cast<QDialog&>(form).reject();
      });
      QCOMPARE(form.windowTitle(), QStringLiteral("Display/Print Aged Accounts Report"));
      QCOMPARE(child<QLabel>(form, "TitleLabel")->text(),
               QStringLiteral("Display/Print Aged Accounts Report "));
      QVERIFY(child<QProgressBar>(form, "ProgressBar1")->isHidden());
      auto* box = child<QPlainTextEdit>(form, "Memo1");
      QVERIFY(box->toPlainText().isEmpty());  // nothing is shown before Display
      QVERIFY(QFontInfo(box->font()).fixedPitch());
      click(form, "DisplayButton");
      const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
      QCOMPARE(lines[3], QString(39, QLatin1Char(' ')) + QStringLiteral("Aged Accounts Report"));
      QCOMPARE(lines[7], QStringLiteral("   Billing Period:  07/2001"));
      QCOMPARE(lines[9], QStringLiteral("   Date Of This Report:  7/20/2001"));
      if (!firstClientLine.isEmpty()) QCOMPARE(lines[15], firstClientLine);
      QCOMPARE(seen_.size(), std::size_t(warns ? 1 : 0));
      if (warns) {
        QCOMPARE(seen_[0].kind, dialog::MessageKind::Information);
        QCOMPARE(seen_[0].text, std::string(document::kLongDocumentMessage));
      }
      QVERIFY(form.isVisible());  // Display leaves the dialog open
      click(form, "PrintButton");
      QVERIFY(!form.isVisible());
      QCOMPARE(static_cast<QDialog&>(form).result(), int(QDialog::Accepted));
      QVERIFY(box->toPlainText().isEmpty());  // closing empties the box
    });
    driver.start();
    click(*app.mainWindow(), "DisplayPrintAgedAccountsReportButton");
    QTRY_VERIFY(driver.done());
    QVERIFY(test::readFile(pdf).rfind("%PDF", 0) == 0);
    const QString printed = test::pdfText(pdf).simplified();
    if (!printed.isEmpty()) {
      QVERIFY(printed.contains(QStringLiteral("Aged Accounts Report")));
      QVERIFY(printed.contains(QStringLiteral("Client 90 Days 60 Days 30 Days Balance On Payments Balance")));
      QVERIFY(printed.contains(QStringLiteral("TOTALS")));
      if (!printedClientLine.isEmpty()) QVERIFY(printed.contains(printedClientLine));
    }
  }
};

}  // namespace

std::unique_ptr<QObject> makeAgedAccountsDialogsTest() { return std::make_unique<AgedAccountsDialogsTest>(); }

}  // namespace vrk::ui

#include "aged_accounts_dialogs_test.moc"
