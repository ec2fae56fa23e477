// The window every help page is: the page's text in a scrolling box, with "Print" and "Close".
#pragma once

#include <QDialog>

#include "core/help/help_pages.h"

class QPlainTextEdit;
class QShowEvent;

namespace vrk::ui {

struct AppServices;

class HelpPageForm : public QDialog {
  Q_OBJECT

 public:
  HelpPageForm(help::HelpPage page, AppServices& services, QWidget* parent);

  help::HelpPage page() const { return page_; }

  // Closing the page in any way (Close, Escape, the window's close box) empties the text box.
  void done(int result) override;

 protected:
  // The text box is filled afresh each time the page is shown.
  void showEvent(QShowEvent* event) override;

 private:
  void fill();
  void print();

  help::HelpPage page_;
  AppServices& services_;
  QPlainTextEdit* textBox_;
};

}  // namespace vrk::ui
