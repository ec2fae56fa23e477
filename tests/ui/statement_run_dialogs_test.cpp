// Dialog flows of the statement runs on copies of the sample office: each dialog opened from its
// command, one client's draft on the screen, and a month's group and all-group runs to PDF files,
// with final runs that could not print or were already printed.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/interchange/ledes_export.h"
#include "core/services/settings_store.h"
#include "core/statements/final_archive.h"
#include "core/statements/statement_run.h"
#include "support/temp_folder.h"
#include "ui/common/message_boxes.h"
#include "ui/form_access.h"
#include "ui/modal_driver.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/statements/reprint_form.h"
#include "ui/statements/statement_run_forms.h"
#include "ui/office_test.h"
#include "ui/pdf_text.h"
#include "ui/test_services.h"

namespace vrk::ui {
namespace {

namespace fs = std::filesystem;
using namespace test_form;

QString q(const char* text) { return QString::fromLatin1(text); }

// Messages as "kind: text", so that a failure shows what was said.
QStringList said(const std::vector<dialog::Message>& messages) {
  QStringList list;
  for (const auto& message : messages)
    list.append(q(dialog::messageKindName(message.kind)) + QStringLiteral(": ") +
                QString::fromStdString(message.text));
  return list;
}
QString says(dialog::MessageKind kind, const std::string& text) { return said({{kind, text}}).front(); }

class StatementRunDialogsTest : public test::OfficeTest {
  Q_OBJECT

 private Q_SLOTS:
  void init() { openOffice(); }
  void cleanup() { closeOffice(); }

  void eachRunDialogOpensFromItsCommandWithFreshLists() {
    struct Case {
      const char* button;
      const char* form;
      const char* title;
      const char* choiceBox;  // the box the focus starts in; none: the statement date
      QStringList items;
      int progressSteps;
    };
    const Case cases[] = {
        {"DisplayPrintADraftStatementForAClientButton",
         "TPrintDraftStatementForAClientForm",
         "Display/Print A Draft Statement For A Client",
         "ClientCodeComboBox",
         {q("ACME"), q("BETA1"), q("ZED")},
         4},
        {"PrintDraftStatementsForAClientGroupButton",
         "TPrintDraftStatementsForAClientGroupForm",
         "Print Draft Statements For A Client Group",
         "ClientGroupComboBox",
         {q("A"), q("B")},
         3},
        {"PrintFinalStatementsForAClientGroupButton",
         "TPrintFinalStatementsForAClientGroupForm",
         "Print Final Statements For A Client Group",
         "ClientGroupComboBox",
         {q("A"), q("B")},
         3},
        {"PrintDraftStatementsForAllClientGroupsButton",
         "TPrintDraftStatementsForAllClientsForm",
         "Print Draft Statements For All Client Groups",
         nullptr,
         {},
         3},
        {"PrintFinalStatementsForAllClientGroupsButton",
         "TPrintFinalStatementsForAllClientsForm",
         "Print Final Statements For All Client Groups",
         nullptr,
         {},
         3},
    };
    Application app(services_.app);
    for (const auto& c : cases) {
      for (int opening = 1; opening <= 2; ++opening) {  // the second opening starts afresh too
        test::ModalDriver driver;
        driver.expect(q(c.form), [&](QWidget* opened) {
          auto& form = *opened;
          const auto closeAnyway = qScopeGuard([&] { static_cast<QDialog&>(form).reject(); });
          QApplication::setActiveWindow(&form);
          QCOMPARE(form.windowTitle(), q(c.title));
          auto* date = child<QDateEdit>(form, "DateTimePicker1");
          QCOMPARE(date->date(), QDate(2001, 7, 20));  // today
          QCOMPARE(child<QProgressBar>(form, "ProgressBar1")->maximum(), c.progressSteps);
          QCOMPARE(child<QProgressBar>(form, "ProgressBar1")->value(), 0);
          if (!c.choiceBox) {
            QCOMPARE(QApplication::focusWidget(), date);
            return;
          }
          auto* box = combo(form, c.choiceBox);
          QCOMPARE(QApplication::focusWidget(), box);
          QCOMPARE(items(box), c.items);
          QCOMPARE(box->currentText(), c.items.front());
          // Typed in, then left: the text turns to capitals and the date changes for this opening only.
          typeAndLeave(box, QStringLiteral("q"));
          QCOMPARE(box->currentText(), QStringLiteral("Q"));
          date->setDate(QDate(2001, 7, 31));
        });
        driver.start();
        click(*app.mainWindow(), c.button);
        QTRY_VERIFY2(driver.done(), c.form);
      }
    }
    QVERIFY(seen_.empty());
  }

  void displayShowsOneClientsDraftInTheDialog() {
    struct Case {
      const char* typed;  // "zed" is shown in capitals once the box is left
      std::vector<dialog::Message> messages;
      const char* line;  // a line of the statement shown; none: the box stays empty
    };
    const Case cases[] = {
        {"ACME", {}, "Acme Widgets Inc."},
        {"zed", {}, "Zed Holdings"},
        {"NOSUCH", {{dialog::MessageKind::Error, statements::kRunNoClientData}}, nullptr},
        {"A.1", {{dialog::MessageKind::Error, statements::kRunInvalidClientCode}}, nullptr},
    };
    TPrintDraftStatementForAClientForm form(services_.app);
    QVERIFY(form.reload());
    form.show();
    auto* code = combo(form, "ClientCodeComboBox");
    auto* text = child<QPlainTextEdit>(form, "StatementMemo");
    for (const auto& c : cases) {
      seen_.clear();
      typeAndLeave(code, q(c.typed));
      click(form, "DisplayButton");
      QCOMPARE(said(seen_), said(c.messages));
      QVERIFY2(form.isVisible(), c.typed);
      if (!c.line) {
        QVERIFY2(text->toPlainText().isEmpty(), c.typed);  // no earlier client's statement left
        continue;
      }
      QVERIFY2(text->toPlainText().contains(q(c.line)), c.typed);
      QVERIFY2(text->isReadOnly(), c.typed);
      QCOMPARE(child<QProgressBar>(form, "ProgressBar1")->value(), 4);
      // Every column of the statement is in sight: nothing to scroll to sideways.
      QApplication::processEvents();
      QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
    }
    form.reject();
    QVERIFY(text->toPlainText().isEmpty());  // nothing left for the next opening
  }

  // Save As LEDES… checks the code as Display does, asks for the file only for a client with billed
  // items, and writes what the export writes.
  void saveAsLedesWritesTheClientsDraftInvoices() {
    using dialog::MessageKind;
    struct Case {
      const char* typed;
      const char* answer;  // the file chosen; "": cancelled
      std::vector<dialog::Message> messages;
      bool asked;  // the file was asked for
      bool saved;
    };
    const Case cases[] = {
        {"ACME", "acme.txt", {{MessageKind::Information, interchange::kLedesSaved}}, true, true},
        {"ACME", "", {}, true, false},
        {"ZED", "zed.txt", {{MessageKind::Information, interchange::kNoLedesItems}}, false, false},
        {"NOSUCH", "x.txt", {{MessageKind::Error, statements::kRunNoClientData}}, false, false},
        {"A.1", "x.txt", {{MessageKind::Error, statements::kRunInvalidClientCode}}, false, false},
    };
    TPrintDraftStatementForAClientForm form(services_.app);
    QVERIFY(form.reload());
    form.show();
    for (const auto& c : cases) {
      seen_.clear();
      QString suggested;
      const auto file = *folder_ / (*c.answer ? c.answer : "none.txt");
      form.setLedesFileChooser([&](const QString& name) {
        suggested = name;
        return *c.answer ? QString::fromStdString(file.string()) : QString();
      });
      typeAndLeave(combo(form, "ClientCodeComboBox"), q(c.typed));
      click(form, "SaveAsLedesButton");
      QCOMPARE(said(seen_), said(c.messages));
      QCOMPARE(suggested.isEmpty(), !c.asked);
      QVERIFY2(fs::exists(file) == c.saved, c.typed);
      if (c.saved) {
        QCOMPARE(suggested, q("ACME-DRAFT.txt"));
        QVERIFY(test::readFile(file).find("|DRAFT|ACME|ACME-1|") != std::string::npos);
      }
      QVERIFY(form.isVisible());
    }
  }

  // A final run with LEDES files asked for saves one per invoiced client; a folder that is not there
  // stops the run before anything is saved.
  void aFinalRunAlsoSavesItsLedesFiles() {
    services_.settings.writeString(services::kNextInvoiceNumber, "7");
    services_.printer.useFile(QString::fromStdString((*folder_ / "statements.pdf").string()));
    const auto ledes = *folder_ / "ledes";
    TPrintFinalStatementsForAClientGroupForm form(services_.app);
    for (const bool folderThere : {false, true}) {
      seen_.clear();
      if (folderThere) fs::create_directory(ledes);
      QVERIFY(form.reload());
      form.show();
      auto* tick = child<QCheckBox>(form, "LedesCheckBox");
      auto* box = child<QLineEdit>(form, "LedesFolderEdit");
      tick->setChecked(true);
      QVERIFY(box->isEnabled());
      box->setText(QString::fromStdString(ledes.string()));
      typeAndLeave(combo(form, "ClientGroupComboBox"), q("A"));
      click(form, "PrintButton");
      if (!folderThere) {
        QCOMPARE(said(seen_), QStringList{says(dialog::MessageKind::Error, statements::kLedesFolderMissing)});
        QVERIFY(!fs::exists(*folder_ / "082001"));
        form.reject();
        continue;
      }
      QVERIFY2(seen_.empty(), qPrintable(said(seen_).join(q("\n"))));
      QVERIFY(fs::exists(ledes / "7-ACME.txt"));
      QVERIFY(fs::exists(ledes / "8-BETA1.txt"));
    }
  }

  // File > Reprint Final Statements… lists what the final runs kept and prints it byte for byte.
  void reprintPrintsTheKeptFinalRunAsItWasSaved() {
    TReprintFinalStatementsForm reprint(services_.app);
    QVERIFY(!reprint.reload());
    QCOMPARE(said(seen_), QStringList{says(dialog::MessageKind::Information, statements::kNoArchivedRuns)});
    const auto printed = *folder_ / "printed.pdf";
    services_.printer.useFile(QString::fromStdString(printed.string()));
    for (const char* group : {"B", "A"}) {
      TPrintFinalStatementsForAClientGroupForm run(services_.app);
      QVERIFY(run.reload());
      typeAndLeave(combo(run, "ClientGroupComboBox"), q(group));
      click(run, "PrintButton");
    }
    seen_.clear();
    QVERIFY(reprint.reload());
    reprint.show();
    auto* list = child<QListWidget>(reprint, "FinalRunsList");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), q("Final Statements Group A"));  // client group list order
    list->setCurrentRow(1);
    const auto again = *folder_ / "again.pdf";
    services_.printer.useFile(QString::fromStdString(again.string()));
    click(reprint, "PrintButton");
    QVERIFY(seen_.empty());
    QCOMPARE(test::readFile(again), test::readFile(period_ / "Final Statements Group B.pdf"));
    QVERIFY(!reprint.isVisible());
  }

  // One office through a month's runs: each step's boxes, whether the dialog stays open, whether
  // the next billing period exists and whether the PDF file was written.
  void runsPrintAndOnlyFinalRunsSaveOnce() {
    using dialog::MessageKind;
    const auto pdf = *folder_ / "statements.pdf";
    const auto unwritable = *folder_ / "no such folder" / "statements.pdf";
    const QString cannotWrite =
        q("error: ") +
        QStringLiteral("The PDF file %1 cannot be written.").arg(QString::fromStdString(unwritable.string()));
    TPrintDraftStatementsForAClientGroupForm draftGroup(services_.app);
    TPrintFinalStatementsForAClientGroupForm finalGroup(services_.app);
    TPrintDraftStatementsForAllClientsForm draftAll(services_.app);
    TPrintFinalStatementsForAllClientsForm finalAll(services_.app);
    struct Step {
      const char* name;
      StatementRunForm& form;
      const char* group;  // none: the form runs every client group
      bool writable;      // the PDF file can be written
      QStringList messages;
      bool staysOpen;
      bool nextPeriod;  // 082001 exists afterwards
      bool printed;     // the PDF file was written
    };
    const Step steps[] = {
        {"draft of every group", draftAll, nullptr, true, {}, false, false, true},
        {"a draft that cannot print stays open", draftGroup, "A", false, {cannotWrite}, true, false, false},
        {"a final run that cannot print has saved",
         finalGroup,
         "A",
         false,
         {cannotWrite, says(MessageKind::Warning, statements::kFinalStatementsNotPrinted)},
         false,
         true,
         false},
        {"a final group is not run again",
         finalGroup,
         "A",
         true,
         {says(MessageKind::Information, statements::kGroupAlreadyFinal)},
         false,
         true,
         false},
        {"every group passes over the final one",
         finalAll,
         nullptr,
         true,
         {says(MessageKind::Information, std::string(statements::kGroupOfAllAlreadyFinal) + "A")},
         false,
         true,
         true},
        {"every group is final",
         finalAll,
         nullptr,
         true,
         {says(MessageKind::Information, statements::kAllGroupsAlreadyFinal)},
         false,
         true,
         false},
        {"drafts of the period still print", draftGroup, "A", true, {}, false, true, true},
    };
    for (const auto& step : steps) {
      seen_.clear();
      fs::remove(pdf);
      services_.printer.useFile(QString::fromStdString((step.writable ? pdf : unwritable).string()));
      QVERIFY2(step.form.reload(), step.name);
      step.form.show();
      QWidget* first = child<QDateEdit>(step.form, "DateTimePicker1");
      if (step.group) {
        auto* group = combo(step.form, "ClientGroupComboBox");
        typeAndLeave(group, q(step.group));
        first = group->lineEdit();
      }
      QTest::keyClick(first, Qt::Key_Return);  // Print is the default button
      QCOMPARE(said(seen_), step.messages);
      QVERIFY2(step.form.isVisible() == step.staysOpen, step.name);
      QVERIFY2(fs::exists(*folder_ / "082001") == step.nextPeriod, step.name);
      QVERIFY2(test::isPdf(pdf) == step.printed, step.name);
      if (step.printed)
        QCOMPARE(child<QProgressBar>(step.form, "ProgressBar1")->value(), 3);  // every client passed
      step.form.reject();
    }
  }
};

}  // namespace

std::unique_ptr<QObject> makeStatementRunDialogsTest() { return std::make_unique<StatementRunDialogsTest>(); }

}  // namespace vrk::ui

#include "statement_run_dialogs_test.moc"
