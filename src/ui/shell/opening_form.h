// TOpeningForm: the window the program opens with (Continue, Exit, File and Help menus).
#pragma once

#include <QMainWindow>
#include <functional>

namespace vrk::ui {

class TOpeningForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TOpeningForm(QWidget* parent = nullptr);

 protected:
  // The opening window is the program's main window: closing it ends the program.
  void closeEvent(QCloseEvent* event) override;

 Q_SIGNALS:
  void continueRequested();
  void backupRequested();
  void restoreRequested();
  void helpRequested(int page);  // index into the help pages, in menu order
  void aboutRequested();
  void exitRequested();
};

// The Help menu's entries, in order, shared by the opening and the main window; `indent` is
// the blanks each entry starts with. The help pages, then About.
void addHelpMenu(QMainWindow* window, const QString& title, const QString& indent,
                 const std::function<void(int)>& open, const std::function<void()>& about);

}  // namespace vrk::ui
