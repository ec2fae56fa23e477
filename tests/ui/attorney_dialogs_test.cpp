// The add-attorney dialog typed into and saved, a refusal, and a fee schedule typed into the grid.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "support/temp_folder.h"
#include "ui/attorneys/add_attorney_form.h"
#include "ui/attorneys/add_fee_schedule_form.h"
#include "ui/attorneys/attorney_grid_view.h"
#include "ui/common/masked_edit.h"
#include "ui/common/message_boxes.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

class AttorneyDialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    office_ = std::make_unique<test::TempFolder>();
    test::copySampleOffice(office_->path());
    services_.session.dataFilesPath = office_->path().string() + "/";
    services_.session.billingPeriod = "072001";
    seen_.clear();
    setMessageInterceptor([this](const dialog::Message& message) {
      seen_.push_back(message);
      return false;
    });
  }

  void cleanup() {
    setMessageInterceptor({});
    office_.reset();
  }

  void addAttorneyPreviewsCapitalisesAndSaves() {
    TAddAttorneyForm form(services_.app);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* grid = form.findChild<AttorneyGridView*>(QStringLiteral("StringGrid1"));
    auto* initials = form.findChild<QLineEdit*>(QStringLiteral("AddAttorneyEditBox"));
    auto* rate1 = form.findChild<MaskedEdit*>(QStringLiteral("HourlyRateMaskEdit1"));
    auto* rate3 = form.findChild<MaskedEdit*>(QStringLiteral("HourlyRateMaskEdit3"));
    QVERIFY(grid && initials && rate1 && rate3);
    QCOMPARE(grid->rowCount(), 5);  // headings, AB, JD, MKL, the preview row
    QCOMPARE(grid->item(3, 1)->text(), QStringLiteral("$95.50"));
    QVERIFY(rate3->isEnabled());
    QVERIFY(!form.findChild<MaskedEdit*>(QStringLiteral("HourlyRateMaskEdit4"))->isEnabled());

    initials->setFocus();
    QTest::keyClicks(initials, QStringLiteral("kt"));
    QCOMPARE(grid->item(4, 0)->text(), QStringLiteral("kt"));
    rate1->setFocus();  // leaving the initials box
    QCOMPARE(initials->text(), QStringLiteral("KT"));
    QCOMPARE(grid->item(4, 0)->text(), QStringLiteral("KT"));
    QTest::keyClicks(rate1, QStringLiteral("1250.50"));
    QCOMPARE(rate1->maskText(), QStringLiteral("$_1,250.50"));
    QCOMPARE(grid->item(4, 1)->text(), QStringLiteral("$1,250.50"));
    QTest::keyClicks(rate3, QStringLiteral("100"));  // the other positions stay blank: $__,100.__
    QCOMPARE(grid->item(4, 3)->text(), QStringLiteral("$100.00"));

    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
    QVERIFY(seen_.empty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(grid->rowCount(), 0);
    QCOMPARE(file("AttorneyInitials.Dat"), std::string("AB\r\nJD\r\nKT\r\nMKL\r\n"));
    QCOMPARE(file("FeeSchedules.Dat").substr(180, 27), std::string("\x08"
                                                                   "01250.50"
                                                                   "\x08"
                                                                   "00000.00"
                                                                   "\x08"
                                                                   "00100.00"));
  }

  void addAttorneyRefusesDuplicateInitials() {
    TAddAttorneyForm form(services_.app);
    form.show();
    form.findChild<QLineEdit*>(QStringLiteral("AddAttorneyEditBox"))->setText(QStringLiteral("JD"));
    form.findChild<QPushButton*>(QStringLiteral("SaveButton"))->click();
    QCOMPARE(seen_.size(), std::size_t{1});
    QVERIFY(seen_[0] == (dialog::Message{dialog::MessageKind::Error,
                                         "DUPLICATE ATTORNEY INITIALS\r\n       ARE NOT ALLOWED"}));
    QVERIFY(form.isVisible());
    QCOMPARE(file("AttorneyInitials.Dat"), std::string("AB\r\nJD\r\nMKL\r\n"));
  }

  void addFeeScheduleTakesTheCellBeingEdited() {
    TAddFeeScheduleForm form(services_.app);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* grid = form.findChild<AttorneyGridView*>(QStringLiteral("StringGrid1"));
    QCOMPARE(grid->item(0, 4)->text(), QStringLiteral("Sch. 4"));
    QVERIFY(!(grid->item(2, 3)->flags() & Qt::ItemIsEditable));
    grid->setCurrentCell(2, 4);
    grid->editItem(grid->item(2, 4));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("$1,250"));
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
    QVERIFY(seen_.empty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(file("FeeSchedules.Dat").substr(90 + 27, 9), std::string("\x08"
                                                                      "01250.00"));
  }

 private:
  std::string file(const char* name) const { return test::readFile(office_->path() / "072001" / name); }

  std::unique_ptr<test::TempFolder> office_;
  test::TestServices services_{{2001, 8, 3}};
  std::vector<dialog::Message> seen_;
};

}  // namespace

std::unique_ptr<QObject> makeAttorneyDialogsTest() { return std::make_unique<AttorneyDialogsTest>(); }

}  // namespace vrk::ui

#include "attorney_dialogs_test.moc"
