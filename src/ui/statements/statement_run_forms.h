// The statement runs of the Monthly Statements tab: one client's draft on the screen or the printer,
// the draft or final statements of one client group, and those of every client group.
#pragma once

#include <functional>
#include <string>

#include "core/document/document.h"
#include "core/statements/statement_run.h"
#include "ui/common/vrk_dialog.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;

namespace vrk::ui {

// What the run dialogs share: the title label, an optional client code or client group box, the
// statement date (today on every opening), the progress bar, an optional Display button with the
// text box it fills, and the Print and Cancel buttons. Final runs have an "Also save LEDES files
// to…" choice with its folder box (kept between openings); the one-client dialog a Save As LEDES…
// button beside Print.
class StatementRunForm : public VrkDialog {
  Q_OBJECT

 public:
  // Loads the client code and client group lists and sets the boxes as on opening; false, with
  // the file error shown, when the period's files cannot be read.
  bool reload();
  // Reloads, then shows the dialog modally.
  int exec() override;
  // Closes the dialog and empties its lists and its text box.
  void done(int result) override;
  // Where Save As LEDES… asks for the file (the suggested name given); an empty answer cancels.
  // A file dialog unless tests set another.
  using FileChooser = std::function<QString(const QString& suggested)>;
  void setLedesFileChooser(FileChooser chooser) { chooseLedesFile_ = std::move(chooser); }

 protected:
  enum class Choice { None, ClientCode, ClientGroup };
  struct Parts {
    Choice choice = Choice::None;
    bool final = false;    // the run saves its statements before they print
    bool display = false;  // a Display button and the text box it fills
  };
  using Runner = std::function<statements::RunResult(const statements::RunOptions&)>;

  StatementRunForm(AppServices& services, QWidget* parent, const QString& objectName, const QString& heading,
                   Parts parts);

  // Runs the statements: the run's messages in order, then the document on the screen (Screen) or
  // the printer, then the dialog closes as the run says. A draft whose printing failed or was
  // cancelled keeps the dialog open; a final run then says its statements were saved but not
  // printed. A file error is shown and the dialog stays open.
  void run(document::SinkKind sink, const Runner& runner);
  // The typed client code or client group, as stored.
  std::string choice() const;
  bool finalRun() const { return parts_.final; }

  virtual void display() {}
  virtual void print() = 0;

 private:
  statements::RunOptions runOptions(document::SinkKind sink);
  void showProgress(int value);
  QLayout* ledesFolderRow();
  void saveAsLedes();

  Parts parts_;
  FileChooser chooseLedesFile_;
  QCheckBox* ledes_ = nullptr;
  QLineEdit* ledesFolder_ = nullptr;
  QComboBox* choice_ = nullptr;
  QDateEdit* date_;
  QProgressBar* progress_;
  QPlainTextEdit* text_ = nullptr;
};

// One client's draft: Display shows it in the dialog's text box, Print prints it and closes.
class TPrintDraftStatementForAClientForm : public StatementRunForm {
  Q_OBJECT

 public:
  explicit TPrintDraftStatementForAClientForm(AppServices& services, QWidget* parent = nullptr);

 private:
  void display() override;
  void print() override;
};

// The draft or final statements of one client group.
class StatementGroupForm : public StatementRunForm {
  Q_OBJECT

 protected:
  StatementGroupForm(AppServices& services, QWidget* parent, const QString& objectName,
                     const QString& heading, bool final);

 private:
  void print() override;
};

class TPrintDraftStatementsForAClientGroupForm : public StatementGroupForm {
  Q_OBJECT

 public:
  explicit TPrintDraftStatementsForAClientGroupForm(AppServices& services, QWidget* parent = nullptr);
};

class TPrintFinalStatementsForAClientGroupForm : public StatementGroupForm {
  Q_OBJECT

 public:
  explicit TPrintFinalStatementsForAClientGroupForm(AppServices& services, QWidget* parent = nullptr);
};

// The draft or final statements of every client group, in client group list order.
class StatementAllGroupsForm : public StatementRunForm {
  Q_OBJECT

 protected:
  StatementAllGroupsForm(AppServices& services, QWidget* parent, const QString& objectName,
                         const QString& heading, bool final);

 private:
  void print() override;
};

class TPrintDraftStatementsForAllClientsForm : public StatementAllGroupsForm {
  Q_OBJECT

 public:
  explicit TPrintDraftStatementsForAllClientsForm(AppServices& services, QWidget* parent = nullptr);
};

class TPrintFinalStatementsForAllClientsForm : public StatementAllGroupsForm {
  Q_OBJECT

 public:
  explicit TPrintFinalStatementsForAllClientsForm(AppServices& services, QWidget* parent = nullptr);
};

}  // namespace vrk::ui
