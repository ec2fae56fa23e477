// The mailing labels of the Monthly Statements tab: every client's, those of the clients with
// billing activity, or those of clients chosen one by one in a second dialog.
#pragma once

#include <optional>

#include "core/document/document.h"
#include "core/reports/mailing_labels.h"
#include "ui/common/vrk_dialog.h"

class QComboBox;
class QProgressBar;
class QRadioButton;
class QTableWidget;

namespace vrk::ui {

// The selected clients' labels: Select (or Enter in the code box) adds the typed client to the
// grid of ten columns, Print prints the selection in its order and closes the dialog.
class TPrintMailingLabelsForSelectedClientsForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TPrintMailingLabelsForSelectedClientsForm(AppServices& services, QWidget* parent = nullptr);

  // Loads the client code list and empties the selection; false, with the file error shown, when
  // the client files cannot be read.
  bool reload();
  // Reloads, then shows the dialog modally.
  int exec() override;
  // Closes the dialog and forgets its selection.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void select();
  void print();
  void showSelection();

  std::optional<reports::SelectedClientLabels> logic_;
  QComboBox* code_;
  QTableWidget* grid_;
  QProgressBar* progress_;
};

// The three choices: all clients, clients with billing activity (preselected on every opening),
// or clients to be selected, which hides this dialog for the selection dialog and closes it after.
class TPrintMailingLabelsForm : public VrkDialog {
  Q_OBJECT

 public:
  explicit TPrintMailingLabelsForm(AppServices& services, QWidget* parent = nullptr);

  // Sets the choices and the progress bar as on opening, then shows the dialog modally.
  int exec() override;

  TPrintMailingLabelsForSelectedClientsForm& selectedClientsForm() { return *selected_; }

 private:
  void print();

  QRadioButton* allClients_;
  QRadioButton* withActivity_;
  QRadioButton* toBeSelected_;
  QProgressBar* progress_;
  TPrintMailingLabelsForSelectedClientsForm* selected_;
};

}  // namespace vrk::ui
