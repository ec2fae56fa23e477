// The Import Records dialog on copies of the sample office: the preview of the chosen file, an
// import that saves and closes, and one that lists its bad rows and stays open.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "core/interchange/import_dialog.h"
#include "ui/interchange/import_records_form.h"
#include "ui/office_test.h"

namespace vrk::ui {
namespace {

class ImportDialogTest : public test::OfficeTest {
  Q_OBJECT

 private Q_SLOTS:
  void init() { openOffice(); }
  void cleanup() { closeOffice(); }

  void previewThenImportOrListTheBadRows() {
    struct Case {
      const char* csv;
      const char* previewHas;       // after choosing the file
      const char* message;          // the box Import shows
      const char* listedAfter;      // in the box after Import ("" : the dialog closed)
    };
    const Case cases[] = {
        {"client,date,amount\r\nACME,07/16/2001,5\r\nBETA1,07/17/2001,\"1,000\"\r\n", "BETA1 | 07/17/2001 | 1,000",
         "2 RECORDS WERE IMPORTED", ""},
        {"client,date,amount\r\nACME,07/16/2001,5\r\nNOPE,07/16/2001,5\r\n", "NOPE | 07/16/2001 | 5",
         interchange::kNotImportedMessage, "line 3: INVALID CLIENT CODE - NO DATA IS PRESENT FOR THIS CLIENT"},
    };
    for (const auto& c : cases) {
      const auto file = *folder_ / "rows.csv";
      test::writeFile(file, c.csv);
      seen_.clear();
      TImportRecordsForm form(services_.app);
      form.findChild<QRadioButton*>(QStringLiteral("PaymentRecordsRadioButton"))->setChecked(true);
      form.findChild<QLineEdit*>(QStringLiteral("FileEdit"))->setText(QString::fromStdString(file.string()));
      form.showPreview();
      auto* preview = form.findChild<QPlainTextEdit*>(QStringLiteral("PreviewMemo"));
      QVERIFY2(preview->toPlainText().contains(QString::fromLatin1(c.previewHas)), qPrintable(preview->toPlainText()));
      form.import();
      QCOMPARE(seen_.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(seen_.front().text), QString::fromLatin1(c.message));
      QCOMPARE(form.result(), *c.listedAfter ? int(QDialog::Rejected) : int(QDialog::Accepted));
      if (*c.listedAfter) QCOMPARE(preview->toPlainText(), QString::fromLatin1(c.listedAfter));
    }
  }
};

}  // namespace

std::unique_ptr<QObject> makeImportDialogTest() { return std::make_unique<ImportDialogTest>(); }

}  // namespace vrk::ui

#include "import_dialog_test.moc"
