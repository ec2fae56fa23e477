// Dialog flows of the billing record dialogs on copies of the sample office: a time record added
// by keyboard alone, a changed time record that moves, a time and a cost/credit record chosen
// among equal dates, the payment dialogs keeping the clients' payment totals, and the line limit
// of the description boxes.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "core/clients/client_book.h"
#include "core/clients/client_record.h"
#include "core/records/record_fields.h"
#include "core/records/record_messages.h"
#include "core/rules/decimal_value.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"
#include "ui/common/description_box.h"
#include "ui/common/message_boxes.h"
#include "ui/modal_driver.h"
#include "ui/records/add_client_payment_form.h"
#include "ui/records/change_client_payment_form.h"
#include "ui/records/change_cost_credit_record_form.h"
#include "ui/records/change_time_record_form.h"
#include "ui/records/delete_client_payment_form.h"
#include "ui/records/delete_cost_credit_record_form.h"
#include "ui/records/delete_time_record_form.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/form_access.h"
#include "ui/office_test.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

using namespace test_form;

QStringList texts(std::initializer_list<const char*> list) {
  QStringList out;
  for (const char* entry : list) out.append(QString::fromLatin1(entry));
  return out;
}

void pressTab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

// A table's records in position order as "CLIENT/MATTER MM/DD@slot".
QStringList tableEntries(const std::filesystem::path& folder, const store::TableLayout& layout) {
  store::Transaction tx(folder);
  const store::RecordTable table(layout, tx);
  QStringList entries;
  for (std::size_t p = 0; p < table.size(); ++p) {
    const auto date = store::fromStoredDate(table.dates(2)[p]);
    entries.append(QString::asprintf("%s/%s %02d/%02d@%d", table.texts(0)[p].c_str(),
                                     table.texts(1)[p].c_str(), date.month, date.day, table.dataSlotAt(p)));
  }
  return entries;
}

class RecordDialogsTest : public test::OfficeTest {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    openOffice();
    services_.session.lastEntryDate = {2001, 7, 12};
  }
  void cleanup() { closeOffice(); }

  void theKeyboardAloneAddsATimeRecord() {
    Application app(services_.app);
    test::ModalDriver driver;
    driver.expect(QStringLiteral("TAddTimeRecordForm"), [&](QWidget* opened) {
      auto& form = *opened;
      const auto closeAnyway = qScopeGuard([&] {  // a failed check must not leave it open
        if (form.isVisible()) static_cast<QDialog&>(form).reject();
      });
      QCOMPARE(form.windowTitle(), QStringLiteral("Add A Time Record"));
      QApplication::setActiveWindow(&form);
      auto* client = combo(form, "ClientCodeComboBox");
      auto* matter = combo(form, "MatterNumberComboBox");
      auto* date = child<QDateEdit>(form, "DateTimePicker1");
      QCOMPARE(QApplication::focusWidget(), client);
      QCOMPARE(date->date(), QDate(2001, 7, 12));  // the last entry date
      QCOMPARE(text(form, "BillingRateEditBox"), QStringLiteral("$"));

      QTest::keyClicks(client->lineEdit(), QStringLiteral("acme"));
      QCOMPARE(items(matter), texts({"1", "012"}));
      QCOMPARE(matter->currentText(), QStringLiteral("1"));
      pressTab();
      QCOMPARE(client->currentText(), QStringLiteral("ACME"));
      QCOMPARE(QApplication::focusWidget(), matter);
      QTest::keyClicks(matter->lineEdit(), QStringLiteral("012"));  // over the selected "1"
      pressTab();
      QCOMPARE(QApplication::focusWidget(), date);
      QTest::keyClick(date, Qt::Key_Up);  // the month, the section a Tab selects
      pressTab();
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("jd"));
      pressTab();
      QCOMPARE(combo(form, "AttorneyInitialsComboBox")->currentText(), QStringLiteral("JD"));
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1.5"));
      pressTab();
      pressTab();  // the rate box keeps "$": the fee schedule's rate
      auto* description = child<QPlainTextEdit>(form, "DescriptionMemo");
      QCOMPARE(QApplication::focusWidget(), description);
      QTest::keyClicks(description, QStringLiteral("Research"));
      QTest::keyClick(description, Qt::Key_Return);
      QTest::keyClicks(description, QStringLiteral("memo"));
      pressTab();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QVERIFY(!form.isVisible());
    });
    driver.start();
    click(*app.mainWindow(), "AddATimeRecordButton");
    QTRY_VERIFY(driver.done());

    QVERIFY(seen_.empty());
    QVERIFY(services_.session.lastEntryDate == (store::CalendarDate{2001, 8, 12}));
    QCOMPARE(tableEntries(period_, store::timeRecordTable()),
             texts({"ACME/0 07/02@4", "ACME/1 07/03@0", "ACME/1 07/03@2", "ACME/012 07/10@1",
                    "ACME/012 08/12@3", "BETA1/3 07/05@5"}));
    store::Transaction tx(period_);
    const store::RecordTable table(store::timeRecordTable(), tx);
    const auto record = records::decodeTimeRecord(table.readRecord(4));
    QCOMPARE(record.initials, std::string("JD"));
    QCOMPARE(record.time, std::string("1.5"));
    QCOMPARE(record.rate, std::string());
    QCOMPARE(record.description[0], std::string("Research"));
    QCOMPARE(record.description[1], std::string("memo"));
  }

  void aChangedTimeRecordMovesToItsNewDate() {
    TChangeTimeRecordForm form(services_.app);
    QVERIFY(form.reload());
    form.show();
    auto* editClient = combo(form, "ClientCodeComboBox");
    QVERIFY(!editClient->isEnabled());  // nothing to change before a Display

    click(form, "SaveButton");  // no record shown yet
    typeAndLeave(combo(form, "SelectClientComboBox"), QStringLiteral("acme"));
    QCOMPARE(items(combo(form, "SelectMatterComboBox")), texts({"0", "1", "012"}));
    QCOMPARE(items(combo(form, "SelectDateComboBox")), texts({"07/02/2001"}));
    typeAndLeave(combo(form, "SelectMatterComboBox"), QStringLiteral("1"));
    QCOMPARE(items(combo(form, "SelectDateComboBox")), texts({"07/03/2001", "07/03/2001"}));
    // Tab to Display and Enter: the focused button, not the default Save (the first of the two dates).
    auto* display = child<QPushButton>(form, "DisplayButton");
    display->setFocus();
    QTest::keyClick(display, Qt::Key_Return);
    QVERIFY(editClient->isEnabled());
    QCOMPARE(editClient->currentText(), QStringLiteral("ACME"));
    QCOMPARE(combo(form, "MatterNumberComboBox")->currentText(), QStringLiteral("1"));
    QCOMPARE(combo(form, "AttorneyInitialsComboBox")->currentText(), QStringLiteral("JD"));
    QCOMPARE(text(form, "TimeEditBox"), QStringLiteral("2.5"));
    QCOMPARE(text(form, "BillingRateEditBox"), QStringLiteral("none"));
    QCOMPARE(child<QPlainTextEdit>(form, "DescriptionMemo")->toPlainText(),
             QStringLiteral("Drafted annual report\nand board minutes"));

    // Leaving the client code as it was keeps the matter number shown.
    typeAndLeave(editClient, QStringLiteral("ACME"));
    QCOMPARE(combo(form, "MatterNumberComboBox")->currentText(), QStringLiteral("1"));

    // Refused: the valid rate is shown back in its box, and the dialog stays open.
    combo(form, "AttorneyInitialsComboBox")->setEditText(QStringLiteral("ZZ"));
    child<QLineEdit>(form, "BillingRateEditBox")->setText(QStringLiteral("1250"));
    click(form, "SaveButton");
    QCOMPARE(seen_.size(), std::size_t{2});
    QCOMPARE(seen_[0].text, records::message::kRecordNotDisplayed);
    QCOMPARE(seen_[1].text, records::message::kAttorneyNotPresent);
    QCOMPARE(text(form, "BillingRateEditBox"), QStringLiteral("$1,250.00"));
    QVERIFY(form.isVisible());

    combo(form, "AttorneyInitialsComboBox")->setEditText(QStringLiteral("AB"));
    child<QDateEdit>(form, "DateTimePicker1")->setDate(QDate(2001, 7, 12));
    // Enter in an edit-part box saves: only the selection part's boxes display.
    QTest::keyClick(combo(form, "AttorneyInitialsComboBox")->lineEdit(), Qt::Key_Return);
    QCOMPARE(seen_.size(), std::size_t{2});
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(combo(form, "SelectClientComboBox")->count(), 0);  // closing empties the lists
    QVERIFY(services_.session.lastEntryDate == (store::CalendarDate{2001, 7, 12}));
    QCOMPARE(
        tableEntries(period_, store::timeRecordTable()),
        texts({"ACME/0 07/02@4", "ACME/1 07/03@2", "ACME/1 07/12@0", "ACME/012 07/10@1", "BETA1/3 07/05@5"}));
    store::Transaction tx(period_);
    const store::RecordTable table(store::timeRecordTable(), tx);
    const auto record = records::decodeTimeRecord(table.readRecord(2));
    QCOMPARE(record.initials, std::string("AB"));
    QCOMPARE(rules::storedDecimalValue(record.rate), 1250.0);
  }

  void theChosenOfTwoEqualDatesIsTheOneDeleted() {
    TDeleteTimeRecordForm form(services_.app);
    QVERIFY(form.reload());
    form.show();
    typeAndLeave(combo(form, "SelectClientComboBox"), QStringLiteral("ACME"));
    typeAndLeave(combo(form, "SelectMatterComboBox"), QStringLiteral("1"));
    combo(form, "SelectDateComboBox")->setCurrentIndex(1);
    click(form, "DisplayButton");
    QCOMPARE(text(form, "DateEditBox"), QStringLiteral("07/03/2001"));
    QCOMPARE(text(form, "AttorneyInitialsEditBox"), QStringLiteral("AB"));
    QCOMPARE(text(form, "BillingRateEditBox"), QStringLiteral("$0.00"));
    click(form, "DeleteButton");
    QVERIFY(seen_.empty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(tableEntries(period_, store::timeRecordTable()),
             texts({"ACME/0 07/02@4", "ACME/1 07/03@0", "ACME/012 07/10@1", "BETA1/3 07/05@5"}));
  }

  void aCostCreditRecordChangesItsKindAndAMatterLeftIsChecked() {
    TChangeCostCreditRecordForm change(services_.app);
    QVERIFY(change.reload());
    change.show();
    typeAndLeave(combo(change, "SelectClientComboBox"), QStringLiteral("ACME"));
    QCOMPARE(items(combo(change, "SelectDateComboBox")), texts({"07/03/2001", "07/09/2001"}));
    combo(change, "SelectDateComboBox")->setCurrentIndex(1);
    click(change, "DisplayButton");
    QVERIFY(child<QRadioButton>(change, "CreditRadioButton")->isChecked());
    QCOMPARE(text(change, "AmountEditBox"), QStringLiteral("$25.00"));
    child<QRadioButton>(change, "CostRadioButton")->setChecked(true);
    child<QLineEdit>(change, "AmountEditBox")->setText(QStringLiteral("30"));
    click(change, "SaveButton");
    QVERIFY(seen_.empty());
    QCOMPARE(change.result(), int(QDialog::Accepted));
    {
      store::Transaction tx(period_);
      const store::RecordTable table(store::costCreditRecordTable(), tx);
      const auto record = records::decodeCostCreditRecord(table.readRecord(1));
      QCOMPARE(record.kind, std::int32_t{records::kCost});
      QCOMPARE(rules::storedDecimalValue(record.amount), 30.0);
    }

    TDeleteCostCreditRecordForm remove(services_.app);
    QVERIFY(remove.reload());
    remove.show();
    typeAndLeave(combo(remove, "SelectClientComboBox"), QStringLiteral("BETA1"));
    typeAndLeave(combo(remove, "SelectMatterComboBox"), QStringLiteral("x"));
    QCOMPARE(seen_.size(), std::size_t{1});
    QCOMPARE(seen_[0].text, records::message::kDeleteMatterRule);
    QCOMPARE(combo(remove, "SelectDateComboBox")->count(), 0);
  }

  void thePaymentDialogsKeepTheClientsTotals() {
    struct Case {
      const char* name;
      std::function<void()> run;
      int payments;
      double acme;
      double beta1;
    };
    const Case cases[] = {
        {"add",
         [&] {
           TAddClientPaymentForm form(services_.app);
           QVERIFY(form.reload());
           QCOMPARE(combo(form, "ClientCodeComboBox")->currentText(), QStringLiteral("ACME"));
           QCOMPARE(child<QDateEdit>(form, "DateTimePicker1")->date(), QDate(2001, 7, 12));
           child<QLineEdit>(form, "AmountEditBox")->setText(QStringLiteral("$250"));
           click(form, "SaveButton");
           QCOMPARE(form.result(), int(QDialog::Accepted));
         },
         3, 750, 1500},
        {"change to another client",
         [&] {
           TChangeClientPaymentForm form(services_.app);
           QVERIFY(form.reload());
           QCOMPARE(combo(form, "SelectClientComboBox")->currentText(), QStringLiteral("ACME"));
           QCOMPARE(items(combo(form, "SelectDateComboBox")), texts({"07/15/2001"}));
           click(form, "DisplayButton");
           QCOMPARE(text(form, "FormerPaymentAmountEditBox"), QStringLiteral("$500.00"));
           QCOMPARE(combo(form, "ClientCodeComboBox")->currentText(), QStringLiteral("ACME"));
           combo(form, "ClientCodeComboBox")->setEditText(QStringLiteral("BETA1"));
           child<QLineEdit>(form, "AmountEditBox")->setText(QStringLiteral("400"));
           click(form, "SaveButton");
           QCOMPARE(form.result(), int(QDialog::Accepted));
         },
         2, 0, 1900},
        {"delete",
         [&] {
           TDeleteClientPaymentForm form(services_.app);
           QVERIFY(form.reload());
           typeAndLeave(combo(form, "SelectClientComboBox"), QStringLiteral("beta1"));
           click(form, "DisplayButton");
           QCOMPARE(text(form, "PaymentAmountEditBox"), QStringLiteral("$1,500.00"));
           click(form, "DeleteButton");
           QCOMPARE(form.result(), int(QDialog::Accepted));
         },
         1, 500, 0},
    };
    for (const auto& c : cases) {
      cleanup();
      init();
      c.run();
      QVERIFY2(seen_.empty(), c.name);
      store::Transaction tx(period_);
      QCOMPARE(store::RecordTable(store::paymentRecordTable(), tx).size(), std::size_t(c.payments));
      QCOMPARE(paymentsSinceLastStatement(period_, "ACME"), c.acme);
      QCOMPARE(paymentsSinceLastStatement(period_, "BETA1"), c.beta1);
    }
  }

  void aDescriptionBoxNeverHoldsMoreLinesThanTheRecord() {
    for (const int lines : {int(records::kTimeDescriptionLines), int(records::kCostCreditDescriptionLines)}) {
      QWidget window;
      auto* box = descriptionBox("DescriptionMemo", lines, &window);
      for (int i = 1; i <= lines + 1; ++i) {
        QTest::keyClicks(box, QString::number(i));
        QTest::keyClick(box, Qt::Key_Return);  // refused after the last line
      }
      QCOMPARE(box->blockCount(), lines);
      QVERIFY(box->toPlainText().endsWith(QString::number(lines) + QString::number(lines + 1)));
      box->clear();
      box->insertPlainText(QStringLiteral("a\nb\nc\nd\ne\nf\ng\nh"));  // pasted
      QCOMPARE(box->toPlainText(),
               texts({"a", "b", "c", "d", "e", "f"}).mid(0, lines).join(QLatin1Char('\n')));
    }
  }
};

}  // namespace

std::unique_ptr<QObject> makeRecordDialogsTest() { return std::make_unique<RecordDialogsTest>(); }

}  // namespace vrk::ui

#include "record_dialogs_test.moc"
