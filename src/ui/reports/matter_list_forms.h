// The matter lists of the Matters tab (one client group, all clients, one client: Display or Print)
// and the print-out of every matter of one client.
#pragma once

#include <string>

#include "core/document/document.h"
#include "core/reports/matter_list_reports.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;
class QPlainTextEdit;
class QProgressBar;

namespace vrk::ui {

// What the four dialogs share: the title label, an optional client code or client group box, the
// progress bar (hidden until a run starts), an optional Display button with the text box it fills,
// and the Print and Cancel buttons.
class MatterListForm : public VrkDialog {
  Q_OBJECT

 public:
  // Loads the client code or client group list, the first entry preselected; false, with the file
  // error shown, when the period's files cannot be read.
  bool reload();
  int exec() override;
  // Closes the dialog and empties its list and its text box.
  void done(int result) override;

 protected:
  enum class Choice { None, ClientCode, ClientGroup };

  MatterListForm(AppServices& services, QWidget* parent, const QString& objectName, const QString& heading,
                 Choice choice, bool display);

  // Runs the list or print-out: Display shows the document in the text box, Print sends it to the
  // printer (a cancelled printing keeps the dialog open); then the run's boxes, and the dialog
  // closes as the run says. A refusal leaves the text box as it was.
  void run(document::SinkKind sink);
  virtual reports::MatterListResult runReport(const std::string& choice,
                                              const reports::MatterListRun& run) = 0;

 private:
  void showProgress(int done, int total);

  Choice choiceKind_;
  QComboBox* choice_ = nullptr;
  QProgressBar* progress_;
  QPlainTextEdit* memo_ = nullptr;
};

// A matter list: the group, the client or every client.
class MatterListReportForm : public MatterListForm {
  Q_OBJECT

 protected:
  MatterListReportForm(AppServices& services, QWidget* parent, const QString& objectName,
                       const QString& heading, reports::MatterListKind kind);

 private:
  reports::MatterListResult runReport(const std::string& choice, const reports::MatterListRun& run) override;

  reports::MatterListKind kind_;
};

class TPrintMattersForClientGroupForm : public MatterListReportForm {
  Q_OBJECT

 public:
  explicit TPrintMattersForClientGroupForm(AppServices& services, QWidget* parent = nullptr);
};

class TPrintMattersForAllClientsForm : public MatterListReportForm {
  Q_OBJECT

 public:
  explicit TPrintMattersForAllClientsForm(AppServices& services, QWidget* parent = nullptr);
};

class TPrintMattersForClientForm : public MatterListReportForm {
  Q_OBJECT

 public:
  explicit TPrintMattersForClientForm(AppServices& services, QWidget* parent = nullptr);
};

// Every matter of a client, one page each: Print only.
class TPrintAllMatterDataForAClientForm : public MatterListForm {
  Q_OBJECT

 public:
  explicit TPrintAllMatterDataForAClientForm(AppServices& services, QWidget* parent = nullptr);

 private:
  reports::MatterListResult runReport(const std::string& choice, const reports::MatterListRun& run) override;
};

}  // namespace vrk::ui
