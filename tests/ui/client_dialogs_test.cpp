// Dialog flows of the client dialogs on copies of the sample office: add, change with a new code,
// delete with both answers to the matters question, a print that fails.
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "core/store/binary_codec.h"
#include "support/temp_folder.h"
#include "ui/clients/add_client_form.h"
#include "ui/clients/change_client_form.h"
#include "ui/clients/delete_client_form.h"
#include "ui/clients/display_client_form.h"
#include "ui/common/masked_edit.h"
#include "ui/common/message_boxes.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

namespace fs = std::filesystem;

template <typename Widget>
Widget* child(QWidget& form, const char* name) {
  auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
  if (!widget) qFatal("no widget %s", name);
  return widget;
}

void click(QWidget& form, const char* name) {
  QTest::mouseClick(child<QPushButton>(form, name), Qt::LeftButton);
}

// Types into a box and leaves it, as the user does.
void typeAndLeave(QLineEdit* box, const QString& text) {
  box->setText(text);
  QFocusEvent leave(QEvent::FocusOut);
  QApplication::sendEvent(box, &leave);
}

class ClientDialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    folder_ = std::make_unique<test::TempFolder>();
    services_.session.dataFilesPath = folder_->path().string() + "/";
    services_.session.billingPeriod = "072001";
    seen_.clear();
    setMessageInterceptor([this](const dialog::Message& message) {
      seen_.push_back(message);
      return answer_;
    });
  }
  void cleanup() {
    setMessageInterceptor({});
    folder_.reset();
  }

  void addClientStoresTheMaskedAmountsAndRefusesACodeInUse() {
    fs::create_directories(period());
    TAddClientForm form(services_.app);
    QVERIFY(form.reload());
    form.show();
    typeAndLeave(child<QComboBox>(form, "ClientCodeComboBox")->lineEdit(), QStringLiteral("acme"));
    typeAndLeave(child<QComboBox>(form, "ClientGroupComboBox")->lineEdit(), QStringLiteral("a"));
    child<QPlainTextEdit>(form, "Memo1")->setPlainText(QStringLiteral("Acme Widgets Inc.\n12 Harbor Road"));
    child<MaskedEdit>(form, "MonthlyRetainerAmountEdit")->setText(QStringLiteral("$00,001,250.50"));
    click(form, "SaveButton");
    QVERIFY(seen_.empty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(test::readFile(period() / "ClientCodes.Dat"), std::string("ACME\r\n"));
    QCOMPARE(test::readFile(period() / "ClientGroups.Dat"), std::string("A\r\n"));
    const std::string record = test::readFile(period() / "ClientData.Dat");
    QCOMPARE(store::getText(record, 264, 11), std::string("00001250.50"));  // retainer
    QCOMPARE(store::getText(record, 288, 11), std::string("00000000.00"));  // an untouched box
    QCOMPARE(store::getText(record, 42, 40), std::string("12 Harbor Road"));
    QVERIFY(record[252] == 1);  // late charges ticked by default

    QVERIFY(form.reload());
    form.show();
    typeAndLeave(child<QComboBox>(form, "ClientCodeComboBox")->lineEdit(), QStringLiteral("ACME"));
    click(form, "SaveButton");
    QCOMPARE(seen_.size(), std::size_t{1});
    QCOMPARE(seen_[0].text, std::string("THIS CLIENT CODE IS ALREADY IN USE"));
    QVERIFY(form.isVisible());
  }

  void changeClientUnderANewCode() {
    test::copySampleOffice(folder_->path());
    TChangeClientForm form(services_.app);
    QVERIFY(form.reload());
    form.show();
    QCOMPARE(child<QComboBox>(form, "ClientCodeComboBox")->currentText(), QStringLiteral("ACME"));
    click(form, "DisplayButton");
    auto* newCode = child<QLineEdit>(form, "ClientCodeEditBox");
    auto* retainer = child<QLineEdit>(form, "MonthlyRetainerAmountEdit");
    QCOMPARE(newCode->text(), QStringLiteral("ACME"));
    QCOMPARE(retainer->text(), QStringLiteral("$200.00"));

    newCode->setText(QStringLiteral("CARL"));
    retainer->setText(QStringLiteral("1,250.5"));
    child<QLineEdit>(form, "BalanceDueFor90DaysEdit")->setText(QStringLiteral("x"));
    click(form, "SaveButton");  // refused, the valid box shows its currency text
    QCOMPARE(seen_.size(), std::size_t{1});
    QCOMPARE(seen_[0].text, std::string("INVALID ENTRY - BALANCE DUE FOR 90 DAYS"));
    QCOMPARE(retainer->text(), QStringLiteral("$1,250.50"));

    child<QLineEdit>(form, "BalanceDueFor90DaysEdit")->setText(QStringLiteral("$100.00"));
    click(form, "SaveButton");
    QCOMPARE(seen_.size(), std::size_t{1});
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(test::readFile(period() / "ClientCodes.Dat"), std::string("BETA1\r\nCARL\r\nZED\r\n"));
    QCOMPARE(test::readFile(period() / "MatterClientCodesArray.Dat").substr(0, 6), std::string("\x05"
                                                                                               "BETA1"));
  }

  void deleteClientWithEitherAnswer() {
    test::copySampleOffice(folder_->path());
    TDeleteClientForm form(services_.app);
    struct Step {
      const char* typed;
      bool yes;
      std::string codesLeft;
      int mattersLeft;
    };
    const Step steps[] = {{"beta1", false, "ACME\r\nZED\r\n", 3}, {"ACME", true, "ZED\r\n", 1}};
    for (const auto& step : steps) {
      answer_ = step.yes;
      seen_.clear();
      QVERIFY(form.reload());
      form.show();
      typeAndLeave(child<QComboBox>(form, "ClientCodeComboBox")->lineEdit(), QString::fromLatin1(step.typed));
      click(form, "DisplayButton");
      const QString code = QString::fromLatin1(step.typed).toUpper();
      QCOMPARE(child<QLineEdit>(form, "ClientCodeEditBox")->text(), code);
      click(form, "DeleteButton");
      QCOMPARE(form.result(), int(QDialog::Accepted));
      QCOMPARE(seen_.size(), std::size_t{1});
      QVERIFY(seen_[0] ==
              (dialog::Message{dialog::MessageKind::Confirmation,
                               "Delete All Matters For Client " + code.toStdString() + "?          ", true}));
      QCOMPARE(test::readFile(period() / "ClientCodes.Dat"), step.codesLeft);
      QCOMPARE(counts()[3], step.mattersLeft);
    }
  }

  void aFailedPrintKeepsTheClientDisplayed() {
    test::copySampleOffice(folder_->path());
    TDisplayClientForm form(services_.app);
    QVERIFY(form.reload());
    form.show();
    typeAndLeave(child<QComboBox>(form, "ClientCodeComboBox")->lineEdit(), QStringLiteral("ACME"));
    click(form, "DisplayButton");
    services_.printer.useFile(QString::fromStdString((folder_->path() / "missing" / "out.pdf").string()));
    click(form, "PrintButton");
    QCOMPARE(seen_.size(), std::size_t{1});
    QCOMPARE(seen_[0].kind, dialog::MessageKind::Error);
    QVERIFY(form.isVisible());
    QCOMPARE(child<QLineEdit>(form, "ClientCodeEditBox")->text(), QStringLiteral("ACME"));

    const fs::path pdf = folder_->path() / "client.pdf";
    services_.printer.useFile(QString::fromStdString(pdf.string()));
    click(form, "PrintButton");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(fs::file_size(pdf) > 0);
  }

  void theKeyboardAloneAddsAClient() {
    // Focus in the first box on opening and reopening, capitals on leaving the code box, Tab out
    // of the address box, Enter to save.
    fs::create_directories(period());
    TAddClientForm form(services_.app);
    for (const char* code : {"smith1", "smithco"}) {
      QVERIFY(form.reload());
      form.show();
      QApplication::setActiveWindow(&form);
      auto* codeBox = child<QComboBox>(form, "ClientCodeComboBox")->lineEdit();
      QCOMPARE(QApplication::focusWidget(), child<QComboBox>(form, "ClientCodeComboBox"));
      QTest::keyClicks(codeBox, QString::fromLatin1(code));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(codeBox->text(), QString::fromLatin1(code).toUpper());
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("b"));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      auto* address = child<QPlainTextEdit>(form, "Memo1");
      QCOMPARE(QApplication::focusWidget(), address);
      QTest::keyClicks(address, QStringLiteral("Smith & Co"));
      QTest::keyClick(address, Qt::Key_Return);
      QTest::keyClicks(address, QStringLiteral("1 Main St"));
      QTest::keyClick(address, Qt::Key_Tab);
      QVERIFY(QApplication::focusWidget() != address);
      QCOMPARE(address->toPlainText(), QStringLiteral("Smith & Co\n1 Main St"));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QVERIFY(seen_.empty());
      QCOMPARE(form.result(), int(QDialog::Accepted));
    }
    QCOMPARE(test::readFile(period() / "ClientCodes.Dat"), std::string("SMITH1\r\nSMITHCO\r\n"));
  }

 private:
  fs::path period() const { return folder_->path() / "072001"; }
  std::vector<std::int32_t> counts() const {
    const std::string bytes = test::readFile(period() / "Dimensions.Dat");
    return store::decodeInt32s(bytes, bytes.size() / 4);
  }
  std::unique_ptr<test::TempFolder> folder_;
  test::TestServices services_{{2001, 7, 15}};
  std::vector<dialog::Message> seen_;
  bool answer_ = false;
};

}  // namespace

std::unique_ptr<QObject> makeClientDialogsTest() { return std::make_unique<ClientDialogsTest>(); }

}  // namespace vrk::ui

#include "client_dialogs_test.moc"
