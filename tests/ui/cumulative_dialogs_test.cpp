// Dialog flows of the cumulative reports opened from the Reports tab: the boxes as they open, the
// checks that keep the dialog open, the custom rates asked once per attorney, and Print writing the
// report (to a PDF file here) and closing the dialog.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <memory>
#include <vector>

#include "core/matters/matter_messages.h"
#include "core/reports/cumulative_reports.h"
#include "support/temp_folder.h"
#include "ui/common/message_boxes.h"
#include "ui/common/up_down_edit.h"
#include "ui/form_access.h"
#include "ui/modal_driver.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/office_test.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

using namespace test_form;

void setPeriod(QWidget& form, const char* month, const char* year, const QString& m, const QString& y) {
  child<UpDownEdit>(form, month)->setText(m);
  child<UpDownEdit>(form, year)->setText(y);
}

class CumulativeDialogsTest : public test::OfficeTest {
  Q_OBJECT

 private Q_SLOTS:
  void init() { openOffice(); }
  void cleanup() { closeOffice(); }

  void checksKeepTheDialogOpenAndPrintCloses_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("matter");
    QTest::addColumn<QString>("typedMatter");
    QTest::addColumn<QString>("finalMonth");
    QTest::addColumn<QString>("message");
    const QString costs = QStringLiteral("TCumulativeCostsReportForm");
    const QString costsButton = QStringLiteral("PrintCumulativeCostsReportForAMatterButton");
    const QString payments = QStringLiteral("TCumulativePaymentsReportForm");
    const QString paymentsButton = QStringLiteral("PrintCumulativePaymentsReportForAClientButton");
    QTest::newRow("costs, matter not in use")
        << costs << costsButton << true << QStringLiteral("3") << QStringLiteral("7")
        << QString::fromLatin1(matters::message::kNumberNotInUse);
    QTest::newRow("costs, final month") << costs << costsButton << true << QStringLiteral("1")
                                        << QStringLiteral("13") << QString::fromLatin1(reports::kInvalidFinalMonth);
    QTest::newRow("costs, beginning after final") << costs << costsButton << true << QStringLiteral("1")
                                                  << QStringLiteral("6")
                                                  << QString::fromLatin1(reports::kBeginningAfterFinal);
    QTest::newRow("credits, printed") << QStringLiteral("TCumulativeCreditsReportForm")
                                      << QStringLiteral("PrintCumulativeCreditsReportForAMatterButton") << true
                                      << QStringLiteral("1") << QStringLiteral("7") << QString();
    QTest::newRow("payments, final month") << payments << paymentsButton << false << QString()
                                           << QStringLiteral("0")
                                           << QString::fromLatin1(reports::kInvalidFinalMonth);
    QTest::newRow("payments, printed") << payments << paymentsButton << false << QString() << QStringLiteral("7")
                                       << QString();
  }

  void checksKeepTheDialogOpenAndPrintCloses() {
    QFETCH(QString, form);
    QFETCH(QString, button);
    QFETCH(bool, matter);
    QFETCH(QString, typedMatter);
    QFETCH(QString, finalMonth);
    QFETCH(QString, message);
    const auto pdf = folder_->path() / "report.pdf";
    services_.printer.useFile(QString::fromStdString(pdf.string()));
    Application app(services_.app);
    test::ModalDriver driver;
    driver.expect(form, [&](QWidget* opened) {
      auto& dialog = *opened;
      const auto closeAnyway = qScopeGuard([&] {
        if (dialog.isVisible()) static_cast<QDialog&>(dialog).reject();
      });
      QCOMPARE(combo(dialog, "ClientCodeComboBox")->currentText(), QStringLiteral("ACME"));
      QCOMPARE(child<UpDownEdit>(dialog, "BeginningMonthEdit")->text(), QStringLiteral("7"));
      QCOMPARE(child<UpDownEdit>(dialog, "FinalYearEdit")->text(), QStringLiteral("2001"));
      QVERIFY(child<QProgressBar>(dialog, "ProgressBar1")->isHidden());
      if (matter) {
        QCOMPARE(combo(dialog, "MatterNumberComboBox")->currentText(), QStringLiteral("1"));
        QCOMPARE(items(combo(dialog, "MatterNumberComboBox")), (QStringList{QStringLiteral("1"), QStringLiteral("012")}));
        // Typing a client code empties the matter; leaving the box lists that client's matters.
        typeAndLeave(combo(dialog, "ClientCodeComboBox"), QStringLiteral("beta1"));
        QCOMPARE(combo(dialog, "ClientCodeComboBox")->currentText(), QStringLiteral("BETA1"));
        QCOMPARE(combo(dialog, "MatterNumberComboBox")->currentText(), QStringLiteral("3"));
        typeAndLeave(combo(dialog, "ClientCodeComboBox"), QStringLiteral("ACME"));
        combo(dialog, "MatterNumberComboBox")->setEditText(typedMatter);
        child<QPlainTextEdit>(dialog, "TitleMemo")->setPlainText(QStringLiteral("Acme Widgets\nGeneral corporate"));
      }
      setPeriod(dialog, "FinalMonthEdit", "FinalYearEdit", finalMonth, QStringLiteral("2001"));
      click(dialog, "PrintButton");
      if (!message.isEmpty()) {
        QCOMPARE(seen_.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(seen_[0].text), message);
        QVERIFY(dialog.isVisible());
        return;
      }
      QVERIFY(seen_.empty());
      QVERIFY(!dialog.isVisible());
      QCOMPARE(static_cast<QDialog&>(dialog).result(), int(QDialog::Accepted));
      if (matter) QVERIFY(child<QPlainTextEdit>(dialog, "TitleMemo")->toPlainText().isEmpty());
    });
    driver.start();
    click(*app.mainWindow(), button.toLatin1().constData());
    QTRY_VERIFY(driver.done());
    QCOMPARE(test::readFile(pdf).rfind("%PDF", 0) == 0, message.isEmpty());
  }

  void customRatesAreAskedOncePerAttorneyInTheOrderMet() {
    const auto pdf = folder_->path() / "hours.pdf";
    services_.printer.useFile(QString::fromStdString(pdf.string()));
    Application app(services_.app);
    test::ModalDriver driver;
    QStringList asked;
    const auto answer = [&](QWidget* opened) {
      asked.append(child<QLabel>(*opened, "BillingRateLabel")->text().split(QLatin1Char('\n')).last().trimmed());
      line(*opened, "AttorneyBillingRateEditBox")->setText(QStringLiteral("$100.00"));
      click(*opened, "OkButton");
    };
    driver.expect(QStringLiteral("TCumulativeHoursAndFeesReportForm"), [&](QWidget* opened) {
      auto& dialog = *opened;
      const auto closeAnyway = qScopeGuard([&] {
        if (dialog.isVisible()) static_cast<QDialog&>(dialog).reject();
      });
      QVERIFY(child<QRadioButton>(dialog, "RatesInEffectButton")->isChecked());
      child<QRadioButton>(dialog, "CustomRatesButton")->setChecked(true);
      test::ModalDriver rates;
      rates.expect(QStringLiteral("TAttorneyBillingRateForm"), answer);
      rates.expect(QStringLiteral("TAttorneyBillingRateForm"), answer);
      rates.start();
      click(dialog, "PrintButton");
      QVERIFY(rates.done());
      QVERIFY(!dialog.isVisible());
    });
    driver.start();
    click(*app.mainWindow(), "PrintCumulativeHoursAndFeesReportForAMatterButton");
    QTRY_VERIFY(driver.done());
    // ACME/1 holds JD's record before AB's.
    QCOMPARE(asked, (QStringList{QStringLiteral("JD"), QStringLiteral("AB")}));
    QVERIFY(test::readFile(pdf).rfind("%PDF", 0) == 0);
  }
};

}  // namespace

std::unique_ptr<QObject> makeCumulativeDialogsTest() { return std::make_unique<CumulativeDialogsTest>(); }

}  // namespace vrk::ui

#include "cumulative_dialogs_test.moc"
