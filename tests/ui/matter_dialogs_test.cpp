// The add-matter dialog from the Matters tab: a refused number, then a saved matter.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "core/matters/matter_messages.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"
#include "ui/common/masked_edit.h"
#include "ui/common/message_boxes.h"
#include "ui/modal_driver.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

template <typename T>
T* child(QWidget* window, const char* name) {
  auto* widget = window->findChild<T*>(QString::fromLatin1(name));
  if (!widget) qFatal("no widget %s", name);
  return widget;
}

class MatterDialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void addMatterRefusesAUsedNumberThenSaves() {
    test::TempFolder data;
    const auto folder = test::copySampleOffice(data.path());
    services_.session.dataFilesPath = data.path().string() + "/";
    services_.session.billingPeriod = "072001";
    std::vector<dialog::Message> messages;
    setMessageInterceptor([&](const dialog::Message& message) {
      messages.push_back(message);
      return true;
    });
    Application app(services_.app);
    test::ModalDriver driver;
    driver.expect(QStringLiteral("TAddMatterForm"), [&](QWidget* form) {
      auto* client = child<QComboBox>(form, "ClientCodeComboBox");
      auto* number = child<QComboBox>(form, "MatterNumberComboBox");
      QCOMPARE(client->count(), 3);
      QCOMPARE(child<QComboBox>(form, "FeeScheduleComboBox")->currentText(), QStringLiteral("1"));
      QCOMPARE(child<QDateEdit>(form, "DateTimePicker1")->date(), QDate(2001, 7, 20));
      client->setEditText(QStringLiteral("acm"));
      QCOMPARE(number->count(), 0);
      client->setEditText(QStringLiteral("acme"));  // the list follows the typing, before leaving
      QCOMPARE(number->count(), 2);                 // 1 and 012
      QApplication::setActiveWindow(form);         // focus changes now happen at once
      number->setFocus();                           // leaving the client box, as the user does
      QCoreApplication::processEvents();
      number->setEditText(QStringLiteral("1"));
      child<QComboBox>(form, "PrincipalAttorneyComboBox")->setEditText(QStringLiteral("AB"));
      child<QPlainTextEdit>(form, "Memo1")->setPlainText(QStringLiteral("Patent search\nSecond line"));
      child<MaskedEdit>(form, "HoursToDateMaskEditBox")->setText(QStringLiteral("000,012.5"));
      child<MaskedEdit>(form, "FeesToDateMaskEditBox")->setText(QStringLiteral("$00,001,250.50"));
      QTest::mouseClick(child<QPushButton>(form, "SaveButton"), Qt::LeftButton);
      QVERIFY(form->isVisible());  // refused: the dialog stays open
      number->setEditText(QStringLiteral("1,234"));
      QTest::mouseClick(child<QPushButton>(form, "SaveButton"), Qt::LeftButton);
    });
    driver.start();
    QTest::mouseClick(child<QPushButton>(app.mainWindow(), "AddANewMatterButton"), Qt::LeftButton);
    QTRY_VERIFY(driver.done());
    setMessageInterceptor({});

    QCOMPARE(messages.size(), size_t{1});
    QCOMPARE(messages[0].text, std::string(matters::message::kNumberInUse));
    store::Transaction tx(folder);
    const store::RecordTable table(store::matterTable(), tx);
    QCOMPARE(table.size(), size_t{4});
    QCOMPARE(table.texts(1)[2], std::string("1234"));
    const std::string record = table.readRecord(2);
    QCOMPARE(record.substr(0, 14), std::string("\x0dPatent search"));
    QCOMPARE(record.substr(180, 9), std::string("\x08"
                                                "000012.5"));
    QCOMPARE(record.substr(189, 12), std::string("\x0b"
                                                 "00001250.50"));
  }

 private:
  test::TestServices services_{{2001, 7, 20}};
};

}  // namespace

std::unique_ptr<QObject> makeMatterDialogsTest() { return std::make_unique<MatterDialogsTest>(); }

}  // namespace vrk::ui

#include "matter_dialogs_test.moc"
