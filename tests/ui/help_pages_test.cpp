// Dialog flows of the help pages: each shows its caption and text, prints, and empties on Close.
#include <QDir>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/help/help_pages.h"
#include "support/temp_folder.h"
#include "ui/common/message_boxes.h"
#include "ui/common/printer_choice.h"
#include "ui/help/help_page_forms.h"
#include "ui/test_services.h"

Q_DECLARE_METATYPE(vrk::help::HelpPage)

namespace vrk::ui {
namespace {

QString qText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

class HelpPagesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    seen_.clear();
    setMessageInterceptor([this](const dialog::Message& message) {
      seen_.push_back(message);
      return false;
    });
  }

  void cleanup() { setMessageInterceptor({}); }

  void eachPageShowsItsCaptionAndText_data() {
    QTest::addColumn<help::HelpPage>("page");
    for (const auto& info : help::helpPages()) QTest::newRow(info.formName.data()) << info.page;
  }

  void eachPageShowsItsCaptionAndText() {
    QFETCH(help::HelpPage, page);
    const help::HelpPageInfo& info = help::helpPageInfo(page);
    const auto form = makeHelpPage(page, services_.app, nullptr);
    QCOMPARE(QString::fromLatin1(form->metaObject()->className()),
             QStringLiteral("vrk::ui::") + qText(info.formName));
    QCOMPARE(form->objectName(), qText(info.formName));
    QVERIFY(textBox(*form)->toPlainText().isEmpty());  // filled on showing

    form->show();
    QCOMPARE(form->windowTitle(), qText(info.caption));
    QPlainTextEdit* box = textBox(*form);
    QVERIFY(box);
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->font().pixelSize(), 13);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    if (page == help::HelpPage::Setup) {
      QVERIFY(lines.value(0).startsWith(QStringLiteral("VRK")));
      QCOMPARE(lines.value(2), QStringLiteral("SYSTEM REQUIREMENTS TO RUN THIS APPLICATION --"));
    } else {
      QCOMPARE(lines.value(0), qText(info.caption).mid(6).toUpper() + QStringLiteral(" --"));
    }
    QCOMPARE(lines.size(),
             static_cast<qsizetype>(help::helpDocument(page, document::SinkKind::Screen).lines.size()));
    form->close();
  }

  // Printing to PDF asks for the file (offering the title and date in the folder last used),
  // writes it, remembers its folder and says where it went; a cancelled question prints nothing.
  void printToPdfAsksForTheFileAndSaysWhereItWent() {
    test::TempFolder folder;
    std::filesystem::create_directories(folder / "chosen");
    const QString last = QString::fromStdString(folder.path().string());
    const QString chosen = QString::fromStdString((folder / "chosen").string());
    test::TestServices services({2026, 12, 7});
    services.settings.writeString(kLastPdfFolder, last.toStdString());
    services.printer.printer().setOutputFormat(QPrinter::PdfFormat);
    QStringList offered;
    QString answer;
    services.printer.setFileAsker([&](QWidget*, const QString& suggested) {
      offered.append(suggested);
      return answer;
    });
    QStringList reported;
    services.printer.setReporter([&](const QString& line) { reported.append(line); });
    TReportsTabHelpForm form(services.app);
    form.show();
    const QString title = form.windowTitle();

    button(form, "PrintButton")->click();  // the user cancels the save dialog
    QCOMPARE(offered, QStringList{QDir(last).filePath(title + QStringLiteral(" 2026-12-07.pdf"))});
    QVERIFY(reported.isEmpty());
    QVERIFY(seen_.empty());

    answer = QDir(chosen).filePath(QStringLiteral("manual"));
    button(form, "PrintButton")->click();
    QVERIFY2(seen_.empty(), seen_.empty() ? "" : seen_.front().text.c_str());
    QVERIFY(test::readFile(folder / "chosen" / "manual.pdf").rfind("%PDF", 0) == 0);
    QCOMPARE(reported, QStringList{QStringLiteral("The PDF file was written to ") +
                                   QDir::toNativeSeparators(answer + QStringLiteral(".pdf"))});
    QVERIFY(form.isVisible());  // printing leaves the page open

    answer.clear();
    button(form, "PrintButton")->click();  // the next offer is in the folder used last
    QCOMPARE(offered.value(2), QDir(chosen).filePath(title + QStringLiteral(" 2026-12-07.pdf")));
  }

  void closeEmptiesTheBoxAndShowingFillsItAgain() {
    TAttorneysTabHelpForm form(services_.app);
    form.show();
    QPlainTextEdit* box = textBox(form);
    box->appendPlainText(QStringLiteral("typed by the user"));
    button(form, "CloseButton")->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), static_cast<int>(QDialog::Accepted));
    QVERIFY(box->toPlainText().isEmpty());

    form.show();
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("ATTORNEYS HELP --\n")));
    QVERIFY(!box->toPlainText().contains(QStringLiteral("typed by the user")));
    form.reject();  // Escape or the close box empty it too
    QVERIFY(box->toPlainText().isEmpty());
  }

 private:
  static QPlainTextEdit* textBox(QWidget& form) {
    return form.findChild<QPlainTextEdit*>(QStringLiteral("HelpTextBox"));
  }
  static QPushButton* button(QWidget& form, const char* name) {
    return form.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  test::TestServices services_{{2001, 7, 15}};
  std::vector<dialog::Message> seen_;
};

}  // namespace

std::unique_ptr<QObject> makeHelpPagesTest() { return std::make_unique<HelpPagesTest>(); }

}  // namespace vrk::ui

#include "help_pages_test.moc"
