// Dialog flows of the mailing labels on copies of the sample office: the labels dialog opened from
// its command, its two direct choices and the selected-clients dialog printed to PDF files.
#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/matters/matter_messages.h"
#include "support/temp_folder.h"
#include "ui/common/message_boxes.h"
#include "ui/form_access.h"
#include "ui/modal_driver.h"
#include "ui/reports/mailing_label_forms.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/office_test.h"
#include "ui/pdf_text.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

namespace fs = std::filesystem;
using namespace test_form;

QString q(const char* text) { return QString::fromLatin1(text); }

// The codes the grid shows, row by row, with the number of rows.
QStringList gridCodes(const QTableWidget* grid) {
  QStringList codes;
  for (int row = 0; row < grid->rowCount(); ++row)
    for (int column = 0; column < grid->columnCount(); ++column)
      if (const auto* item = grid->item(row, column)) codes.append(item->text());
  return codes;
}

class MailingLabelDialogsTest : public test::OfficeTest {
  Q_OBJECT

 private Q_SLOTS:
  void init() { openOffice(); }
  void cleanup() { closeOffice(); }

  // From the command: the activity choice preselected on every opening; "to be selected" hides the
  // dialog for the selection dialog, where typed codes print in their order, and both close.
  void selectedClientsPrintInTheirOrderFromTheCommand() {
    const auto pdf = *folder_ / "labels.pdf";
    services_.printer.useFile(QString::fromStdString(pdf.string()));
    Application app(services_.app);
    test::ModalDriver driver;
    TPrintMailingLabelsForm* labelsForm = nullptr;
    driver.expect(q("TPrintMailingLabelsForm"), [&](QWidget* opened) {
      labelsForm = static_cast<TPrintMailingLabelsForm*>(opened);
      QCOMPARE(opened->windowTitle(), q("Print Mailing Labels"));
      QVERIFY(child<QRadioButton>(*opened, "BillingActivityRadioButton")->isChecked());
      QVERIFY(!child<QProgressBar>(*opened, "ProgressBar1")->isVisible());
      child<QRadioButton>(*opened, "SelectedClientsRadioButton")->setChecked(true);
      // Pressed once this step has returned: the driver answers the dialog Print opens.
      QTimer::singleShot(0, opened, [opened] { click(*opened, "PrintButton"); });
    });
    driver.expect(q("TPrintMailingLabelsForSelectedClientsForm"), [&](QWidget* opened) {
      auto& form = *opened;
      const auto closeAnyway = qScopeGuard([&] {
        if (form.isVisible()) static_cast<QDialog&>(form).reject();
      });
      QApplication::setActiveWindow(&form);
      QVERIFY(labelsForm && !labelsForm->isVisible());
      auto* code = combo(form, "ClientCodeComboBox");
      QCOMPARE(QApplication::focusWidget(), code);
      QCOMPARE(items(code), (QStringList{q("ACME"), q("BETA1"), q("ZED")}));
      QCOMPARE(code->currentText(), q("ACME"));
      auto* grid = child<QTableWidget>(form, "StringGrid1");
      QCOMPARE(grid->rowCount(), 1);  // 3 clients / 10 + 1
      QCOMPARE(grid->columnCount(), 10);
      // Enter in the code box selects; a code not in the list is refused; Select selects too.
      for (const char* typed : {"zed", "NOPE"}) {
        code->lineEdit()->selectAll();
        QTest::keyClicks(code->lineEdit(), q(typed));
        QTest::keyClick(code->lineEdit(), Qt::Key_Return);
      }
      code->setCurrentText(q("ACME"));
      click(form, "SelectButton");
      QCOMPARE(gridCodes(grid), (QStringList{q("ZED"), q("ACME")}));
      QCOMPARE(seen_.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(seen_[0].text), q(matters::message::kClientNotPresent));
      QVERIFY(form.isVisible());
      click(form, "PrintButton");
      QVERIFY(!form.isVisible());
      QCOMPARE(child<QProgressBar>(form, "ProgressBar1")->value(), 2);  // labels printed
    });
    driver.start();
    click(*app.mainWindow(), "PrintMailingLabelsButton");
    QTRY_VERIFY(driver.done());
    QTRY_VERIFY(labelsForm && !labelsForm->isVisible());
    QVERIFY(test::isPdf(pdf));
    const QString text = test::pdfText(pdf);
    if (!text.isEmpty()) {
      QVERIFY2(text.contains(QRegularExpression(q("Zed Holdings +Acme Widgets Inc\\."))), qPrintable(text));
      QVERIFY(!text.contains(q("Beta One LLC")));
    }
  }

  void theGridGrowsByARowAndEachOpeningStartsEmpty() {
    TPrintMailingLabelsForSelectedClientsForm form(services_.app);
    for (int opening = 1; opening <= 2; ++opening) {
      QVERIFY(form.reload());
      form.show();
      auto* grid = child<QTableWidget>(form, "StringGrid1");
      QCOMPARE(gridCodes(grid), QStringList{});
      auto* code = combo(form, "ClientCodeComboBox");
      for (int k = 0; k < 11; ++k) {
        code->setCurrentText(q(k == 10 ? "BETA1" : "ACME"));
        click(form, "SelectButton");
      }
      QCOMPARE(grid->rowCount(), 2);
      QCOMPARE(grid->item(1, 0)->text(), q("BETA1"));
      QCOMPARE(gridCodes(grid).size(), 11);
      form.reject();
    }
    QVERIFY(seen_.empty());
  }

  // Print with an empty selection closes the dialog and prints nothing.
  void anEmptySelectionPrintsNothing() {
    const auto pdf = *folder_ / "nothing.pdf";
    services_.printer.useFile(QString::fromStdString(pdf.string()));
    TPrintMailingLabelsForSelectedClientsForm form(services_.app);
    QVERIFY(form.reload());
    form.show();
    click(form, "PrintButton");
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!fs::exists(pdf));
  }

  void allClientsOrThoseWithBillingActivityPrintAtOnce() {
    struct Case {
      const char* choice;
      bool zed;  // ZED has no billing activity
    };
    const Case cases[] = {{"AllClientsRadioButton", true}, {"BillingActivityRadioButton", false}};
    for (const auto& c : cases) {
      const auto pdf = *folder_ / (std::string(c.choice) + ".pdf");
      services_.printer.useFile(QString::fromStdString(pdf.string()));
      TPrintMailingLabelsForm form(services_.app);
      test::ModalDriver driver;
      driver.expect(q("TPrintMailingLabelsForm"), [&](QWidget* opened) {
        child<QRadioButton>(*opened, c.choice)->setChecked(true);
        click(*opened, "PrintButton");
        QCOMPARE(child<QProgressBar>(*opened, "ProgressBar1")->maximum(), 3);  // every client
        QCOMPARE(child<QProgressBar>(*opened, "ProgressBar1")->value(), 3);
      });
      driver.start();
      QCOMPARE(form.exec(), int(QDialog::Accepted));
      QVERIFY2(test::isPdf(pdf), c.choice);
      const QString text = test::pdfText(pdf);
      if (text.isEmpty()) continue;
      QVERIFY2(text.contains(QRegularExpression(q("Acme Widgets Inc\\. +Beta One LLC"))), qPrintable(text));
      QCOMPARE(text.contains(q("Zed Holdings")), c.zed);
    }
    QVERIFY(seen_.empty());
  }
};

}  // namespace

std::unique_ptr<QObject> makeMailingLabelDialogsTest() { return std::make_unique<MailingLabelDialogsTest>(); }

}  // namespace vrk::ui

#include "mailing_label_dialogs_test.moc"
