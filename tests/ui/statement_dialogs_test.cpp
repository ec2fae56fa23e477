// Dialog flow of the whole-period activity reports on a copy of the sample office: the billing
// activity report opened from the Reports tab once both client groups were finalized, shown in its
// text box and printed.
#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTest>
#include <memory>
#include <vector>

#include "core/statements/activity_files.h"
#include "core/statements/run_records.h"
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

void finalize(const std::filesystem::path& folder, const std::string& group, double hourlyFees) {
  statements::GroupActivity activity;
  activity.attorneys = {{0, 0, 0, 2, hourlyFees}, {}, {}};
  activity.totals.attorneyHours = 2;
  activity.totals.hourlyFees = hourlyFees;
  activity.totals.balancesNowDue = hourlyFees;
  store::Transaction tx(folder);
  statements::stageActivityFiles(tx, {"AB", "JD", "MKL"}, std::nullopt, activity);
  statements::stageFinishedGroup(tx, group);
  tx.commit();
}

class StatementDialogsTest : public test::OfficeTest {
  Q_OBJECT

 private Q_SLOTS:
  void init() { openOffice(); }
  void cleanup() { closeOffice(); }

  void theBillingReportShowsTheWholePeriodAndPrints() {
    finalize(period_, "A", 1000);
    finalize(period_, "B", 250.5);
    const auto pdf = folder_->path() / "billing.pdf";
    services_.printer.useFile(QString::fromStdString(pdf.string()));
    Application app(services_.app);
    test::ModalDriver driver;
    driver.expect(QStringLiteral("TBillingActivityReportForm"), [&](QWidget* opened) {
      auto& form = *opened;
      const auto closeAnyway = qScopeGuard([&] {
        if (form.isVisible()) static_cast<QDialog&>(form).reject();
      });
      QCOMPARE(form.windowTitle(),
               QStringLiteral("Display/Print Billing Activity Report For This Billing Period"));
      auto* box = child<QPlainTextEdit>(form, "ReportMemo");
      QVERIFY(box->isReadOnly());
      QVERIFY(QFontInfo(box->font()).fixedPitch());
      const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
      QCOMPARE(lines.size(), 42);
      QCOMPARE(lines[6],
               QString(19, QLatin1Char(' ')) + QStringLiteral("Billing Activity Report - All Client Groups"));
      QCOMPARE(lines[10], QStringLiteral("    Billing Period:  07/2001"));
      QCOMPARE(lines[12], QStringLiteral("    Date Of This Report:  7/20/2001"));
      QCOMPARE(lines[16], QStringLiteral("    Total Attorney Hours For All Client Groups = 4.0"));
      QCOMPARE(lines[38], QStringLiteral("    Total Billings For All Client Groups = $1,250.50"));
      QCOMPARE(lines[40], QStringLiteral("    Total Of Balances Now Due For All Client Groups = $1,250.50"));
      click(form, "PrintButton");
      QVERIFY(!form.isVisible());
      QCOMPARE(static_cast<QDialog&>(form).result(), int(QDialog::Accepted));
      QVERIFY(box->toPlainText().isEmpty());  // closing empties the box
    });
    driver.start();
    click(*app.mainWindow(), "DisplayPrintBillingActivityReportForThisBillingPeriodButton");
    QTRY_VERIFY(driver.done());
    QVERIFY(seen_.empty());  // one page: no long-document box
    QVERIFY(test::readFile(pdf).rfind("%PDF", 0) == 0);
  }
};

}  // namespace

std::unique_ptr<QObject> makeStatementDialogsTest() { return std::make_unique<StatementDialogsTest>(); }

}  // namespace vrk::ui

#include "statement_dialogs_test.moc"
