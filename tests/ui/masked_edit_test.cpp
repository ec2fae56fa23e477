// Keys typed into the masked rate, amount and hours boxes, read back as the dialogs store them.
#include <QTest>
#include <memory>

#include "core/rules/masked_box.h"
#include "ui/common/masked_edit.h"

namespace vrk::ui {
namespace {

class MaskedEditTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void typedFiguresAreStoredAsMeant_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("amount 1500") << "amount" << "1500" << "00001500.00";
    QTest::newRow("amount 1,500.50") << "amount" << "1,500.50" << "00001500.50";
    QTest::newRow("amount at its most") << "amount" << "$99,999,999.99" << "99999999.99";
    QTest::newRow("amount .5") << "amount" << ".5" << "00000000.50";
    QTest::newRow("rate 250") << "rate" << "250" << "00250.00";
    QTest::newRow("rate .5") << "rate" << ".5" << "00000.50";
    QTest::newRow("hours 12.5") << "hours" << "12.5" << "000012.5";
    QTest::newRow("hours 1,500") << "hours" << "1,500" << "001500.0";
  }
  void typedFiguresAreStoredAsMeant() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    std::unique_ptr<MaskedEdit> edit(box == QStringLiteral("amount") ? MaskedEdit::amount()
                                     : box == QStringLiteral("rate") ? MaskedEdit::rate()
                                                                     : MaskedEdit::hours());
    const auto read = box == QStringLiteral("amount") ? rules::readAmountBox
                      : box == QStringLiteral("rate")   ? rules::readRateBox
                                                        : rules::readHoursBox;
    edit->show();
    edit->setFocus();
    QTest::keyClick(edit.get(), Qt::Key_Home);  // where typing went wrong before
    QTest::keyClicks(edit.get(), typed);
    QCOMPARE(QString::fromStdString(read(edit->maskText().toStdString())), stored);
  }

  void typingOverASelectionAndBackspace() {
    std::unique_ptr<MaskedEdit> edit(MaskedEdit::amount());
    edit->show();
    QTest::keyClicks(edit.get(), QStringLiteral("1500"));
    QCOMPARE(edit->maskText(), QStringLiteral("$__,__1,500.__"));
    QTest::keyClick(edit.get(), Qt::Key_Backspace);
    QCOMPARE(edit->maskText(), QStringLiteral("$__,___,150.__"));
    edit->selectAll();
    QTest::keyClicks(edit.get(), QStringLiteral("75"));
    QCOMPARE(edit->maskText(), QStringLiteral("$__,___,_75.__"));
    edit->selectAll();
    QTest::keyClick(edit.get(), Qt::Key_Delete);
    QCOMPARE(edit->maskText(), QStringLiteral("$__,___,___.__"));
    edit->setText(QString());  // a dialog clearing the box leaves it untouched, not empty
    QCOMPARE(edit->maskText(), QStringLiteral("$__,___,___.__"));
  }
};

}  // namespace

std::unique_ptr<QObject> makeMaskedEditTest() { return std::make_unique<MaskedEditTest>(); }

}  // namespace vrk::ui

#include "masked_edit_test.moc"
