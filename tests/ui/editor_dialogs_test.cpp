// The review-and-change editors on copies of the sample office: a time record walk with a refused
// and a saved change, the walk going on from the saved record; a payment change moving the client's
// payments-since-last-statement total; a matter change written back, then saved; the cost/credit
// editor's kind buttons, the matter list following the typed client code and the line limit of
// the description box.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <vector>

#include "core/clients/client_book.h"
#include "core/clients/client_record.h"
#include "core/matters/matter_lists.h"
#include "core/matters/matter_messages.h"
#include "core/matters/matter_record.h"
#include "core/records/record_messages.h"
#include "core/rules/decimal_value.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"
#include "ui/common/message_boxes.h"
#include "ui/editors/cost_credit_records_editor.h"
#include "ui/editors/matters_editor.h"
#include "ui/editors/payment_records_editor.h"
#include "ui/editors/time_records_editor.h"
#include "ui/form_access.h"
#include "ui/office_test.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

using namespace test_form;
QProgressBar* progressBar(QWidget& form) { return child<QProgressBar>(form, "ProgressBar1"); }

// The time edit part in one line: "CLIENT MATTER MM/dd/yyyy ATTORNEY TIME RATE | DESCRIPTION".
QString shownTime(QWidget& form) {
  return QStringList{combo(form, "ClientCodeComboBox")->currentText(),
                     combo(form, "MatterNumberComboBox")->currentText(),
                     child<QDateEdit>(form, "DateTimePicker1")->date().toString(QStringLiteral("MM/dd/yyyy")),
                     combo(form, "AttorneyInitialsComboBox")->currentText(),
                     line(form, "TimeEditBox")->text(),
                     line(form, "BillingRateEditBox")->text(),
                     QStringLiteral("|"),
                     child<QPlainTextEdit>(form, "DescriptionMemo")->toPlainText()}
      .join(QLatin1Char(' '));
}

class EditorDialogsTest : public test::OfficeTest {
  Q_OBJECT

 private Q_SLOTS:
  void init() { openOffice(); }
  void cleanup() { closeOffice(); }

  void theTimeEditorGoesOnFromTheSavedRecord() {
    TReviewChangeClientTimeRecordsForm form(services_.app);
    QVERIFY(form.reload());
    form.show();
    auto* browse = combo(form, "SelectClientComboBox");
    QCOMPARE(items(browse), (QStringList{QStringLiteral("ACME"), QStringLiteral("BETA1")}));
    QVERIFY(progressBar(form)->isHidden());
    const QString empty = QStringLiteral("  07/20/2001    | ");  // the date at today

    browse->setEditText(QStringLiteral("ACME"));
    click(form, "NextButton");
    QCOMPARE(shownTime(form), QStringLiteral("ACME 0 07/02/2001 JD 1.0 none | Retainer call"));
    click(form, "NextButton");
    QCOMPARE(shownTime(form),
             QStringLiteral("ACME 1 07/03/2001 JD 2.5 none | Drafted annual report\nand board minutes"));
    QCOMPARE(items(combo(form, "MatterNumberComboBox")), (QStringList{QStringLiteral("1"), QStringLiteral("012")}));

    // A refused save keeps what was typed; the progress bar stays hidden.
    child<QDateEdit>(form, "DateTimePicker1")->setDate(QDate(2001, 7, 5));
    line(form, "BillingRateEditBox")->setText(QStringLiteral("x"));
    click(form, "SaveButton");
    QCOMPARE(seen_.size(), std::size_t{1});
    QCOMPARE(seen_[0].text, records::message::kEditorRate);
    QCOMPARE(shownTime(form),
             QStringLiteral("ACME 1 07/05/2001 JD 2.5 x | Drafted annual report\nand board minutes"));
    QVERIFY(progressBar(form)->isHidden());

    line(form, "BillingRateEditBox")->setText(QStringLiteral("none"));
    click(form, "SaveButton");
    QCOMPARE(seen_.size(), std::size_t{1});
    QVERIFY(form.isVisible());  // the editor stays open
    QCOMPARE(shownTime(form), empty);
    QVERIFY(!progressBar(form)->isHidden());
    QCOMPARE(progressBar(form)->value(), 3);

    // The walk goes on with the record that followed the saved one, and reaches it later.
    click(form, "NextButton");
    QVERIFY(progressBar(form)->isHidden());
    QCOMPARE(shownTime(form), QStringLiteral("ACME 1 07/03/2001 AB 0.3 $0.00 | Telephone call - no charge"));
    click(form, "NextButton");
    QVERIFY(shownTime(form).startsWith(QStringLiteral("ACME 1 07/05/2001 JD 2.5 none | Drafted")));
    click(form, "NextButton");
    QVERIFY(shownTime(form).startsWith(QStringLiteral("ACME 012 07/10/2001 AB")));
    click(form, "NextButton");
    QCOMPARE(seen_.size(), std::size_t{2});
    QCOMPARE(seen_[1].kind, dialog::MessageKind::Information);
    QCOMPARE(seen_[1].text, std::string("\r\nEND OF TIME RECORDS FOR CLIENT ACME\r\n"));
    QCOMPARE(shownTime(form), empty);

    // Cancel drops the logic; the next opening starts with empty boxes.
    line(form, "TimeEditBox")->setText(QStringLiteral("4"));
    click(form, "CancelButton");
    QCOMPARE(form.result(), int(QDialog::Rejected));
    child<QPushButton>(form, "SaveButton")->click();  // closed: nothing to save
    QCOMPARE(seen_.size(), std::size_t{2});
    QVERIFY(form.reload());
    QCOMPARE(browse->currentText(), QString());
    QCOMPARE(shownTime(form), empty);
  }

  void thePaymentEditorMovesTheClientsTotal() {
    QCOMPARE(paymentsSinceLastStatement(period_, "ACME"), 500.0);
    TReviewChangeClientPaymentRecordsForm form(services_.app);
    QVERIFY(form.reload());
    typeAndLeave(combo(form, "SelectClientComboBox"), QStringLiteral("acme"));
    click(form, "NextButton");
    QCOMPARE(combo(form, "ClientCodeComboBox")->currentText(), QStringLiteral("ACME"));
    QCOMPARE(child<QDateEdit>(form, "DateTimePicker1")->date(), QDate(2001, 7, 15));
    QCOMPARE(line(form, "AmountEditBox")->text(), QStringLiteral("$500.00"));
    line(form, "AmountEditBox")->setText(QStringLiteral("650"));
    click(form, "SaveButton");
    QVERIFY(seen_.empty());
    QCOMPARE(line(form, "AmountEditBox")->text(), QString());
    QCOMPARE(progressBar(form)->value(), 3);

    QCOMPARE(paymentsSinceLastStatement(period_, "ACME"), 650.0);
    QCOMPARE(paymentsSinceLastStatement(period_, "BETA1"), 1500.0);
    store::Transaction tx(period_);
    const store::RecordTable payments(store::paymentRecordTable(), tx);
    QCOMPARE(payments.size(), std::size_t{2});
    QCOMPARE(payments.texts(0)[0], std::string("ACME"));
    QCOMPARE(rules::storedDecimalValue(payments.texts(2)[0]), 650.0);
  }

  void theMatterEditorWritesBackThenSaves() {
    TReviewChangeClientMattersForm form(services_.app);
    QVERIFY(form.reload());
    QCOMPARE(items(combo(form, "SelectClientComboBox")).size(), qsizetype{3});  // every client, ZED too
    combo(form, "SelectClientComboBox")->setEditText(QStringLiteral("ACME"));
    click(form, "NextButton");
    QCOMPARE(line(form, "MatterNumberEditBox")->text(), QStringLiteral("1"));
    QCOMPARE(child<QPlainTextEdit>(form, "Memo1")->toPlainText(), QStringLiteral("General corporate\nAnnual filings"));
    QCOMPARE(combo(form, "PrincipalAttorneyComboBox")->currentText(), QStringLiteral("JD"));
    QCOMPARE(line(form, "HoursToDateEditBox")->text(), QStringLiteral("120.5"));
    QCOMPARE(line(form, "FeesToDateEditBox")->text(), QStringLiteral("$30,125.00"));

    line(form, "FeesToDateEditBox")->setText(QStringLiteral("1250"));
    combo(form, "PrincipalAttorneyComboBox")->setEditText(QStringLiteral("ZZ"));
    click(form, "SaveButton");
    QCOMPARE(seen_.size(), std::size_t{1});
    QCOMPARE(seen_[0].text, std::string(matters::message::kAttorneyNotPresent));
    QCOMPARE(line(form, "FeesToDateEditBox")->text(), QStringLiteral("$1,250.00"));  // written back
    QCOMPARE(combo(form, "PrincipalAttorneyComboBox")->currentText(), QStringLiteral("ZZ"));
    QVERIFY(progressBar(form)->isHidden());

    combo(form, "PrincipalAttorneyComboBox")->setEditText(QStringLiteral("AB"));
    click(form, "SaveButton");
    QCOMPARE(seen_.size(), std::size_t{1});
    QCOMPARE(line(form, "MatterNumberEditBox")->text(), QString());
    QCOMPARE(progressBar(form)->value(), 3);
    store::Transaction tx(period_);
    const store::RecordTable table(store::matterTable(), tx);
    const auto record = matters::decodeMatterRecord(table.readRecord(*matters::findMatter(table, {"ACME", "1"})));
    QCOMPARE(record.principalAttorney, std::string("AB"));
    QCOMPARE(rules::storedDecimalValue(record.feesToDate), 1250.0);
  }

  void theCostCreditEditorShowsTheKindAndListsTheTypedClientsMatters() {
    TReviewChangeClientCostCreditRecordsForm form(services_.app);
    QVERIFY(form.reload());
    QVERIFY(child<QRadioButton>(form, "CostRadioButton")->isChecked());
    combo(form, "SelectClientComboBox")->setEditText(QStringLiteral("ACME"));
    click(form, "BackButton");  // the client's last record
    QVERIFY(child<QRadioButton>(form, "CreditRadioButton")->isChecked());
    QCOMPARE(line(form, "AmountEditBox")->text(), QStringLiteral("$25.00"));
    QCOMPARE(child<QDateEdit>(form, "DateTimePicker1")->date(), QDate(2001, 7, 9));

    auto* client = combo(form, "ClientCodeComboBox");
    auto* matter = combo(form, "MatterNumberComboBox");
    typeAndLeave(client, QStringLiteral("ACME"));  // as it was: the number stays
    QCOMPARE(matter->currentText(), QStringLiteral("1"));
    typeAndLeave(client, QStringLiteral("beta1"));
    QCOMPARE(client->currentText(), QStringLiteral("BETA1"));
    QCOMPARE(items(matter), QStringList{QStringLiteral("3")});
    QCOMPARE(matter->currentText(), QString());
    typeAndLeave(client, QStringLiteral("ZED"));  // no matters
    QCOMPARE(matter->currentText(), QStringLiteral("0"));
    typeAndLeave(client, QStringLiteral("TOOLONGCODE"));
    QCOMPARE(matter->count(), 0);
    QCOMPARE(matter->currentText(), QStringLiteral("0"));

    click(form, "NextButton");  // past the last record: the part is emptied all the same
    QCOMPARE(seen_.size(), std::size_t{1});
    QVERIFY(child<QRadioButton>(form, "CostRadioButton")->isChecked());
    QCOMPARE(line(form, "AmountEditBox")->text(), QString());

    auto* description = child<QPlainTextEdit>(form, "DescriptionMemo");
    description->insertPlainText(QStringLiteral("a\nb\nc\nd\ne"));  // pasted: the record keeps four lines
    QCOMPARE(description->toPlainText(), QStringLiteral("a\nb\nc\nd"));
    QTest::keyClick(description, Qt::Key_Return);
    QCOMPARE(description->blockCount(), 4);
  }
};

}  // namespace

std::unique_ptr<QObject> makeEditorDialogsTest() { return std::make_unique<EditorDialogsTest>(); }

}  // namespace vrk::ui

#include "editor_dialogs_test.moc"
