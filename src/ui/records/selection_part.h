// The selection part of the change and delete dialogs: client code, matter number (not for
// payments) and date lists, and Display.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/records/payments.h"
#include "core/records/record_selection.h"

class QComboBox;
class QPushButton;

namespace vrk::ui {

class SelectionPart : public QWidget {
  Q_OBJECT

 public:
  // Where the lists come from; each gives nothing while the dialog is closed.
  struct Lists {
    std::function<std::vector<std::string>(const std::string& client)> matters;  // none: no matter box
    std::function<std::vector<std::string>(const std::string& client, const std::string& matter)> dates;
  };
  SelectionPart(Lists lists, const QString& dateLabel, QWidget* parent);

  // As on opening: the client codes listed, the first shown with its lists when asked.
  void reset(const std::vector<std::string>& clients, bool showFirst);

  std::string client() const;
  std::string matter() const;
  records::DateChoice date() const;

  QComboBox* matterBox() const { return matter_; }  // null for payments
  QPushButton* displayButton() const { return display_; }

 private:
  void clientLeft();
  void matterLeft();
  void listDates(const std::string& client, const std::string& matter);

  Lists lists_;
  QComboBox* client_;
  QComboBox* matter_ = nullptr;
  QComboBox* date_;
  QPushButton* display_;
};

// The lists of a time or cost/credit record selection, and of a payment selection.
SelectionPart::Lists recordLists(std::function<const records::RecordSelection*()> selection);
SelectionPart::Lists paymentLists(std::function<const records::PaymentSelection*()> selection);

}  // namespace vrk::ui
