// The boxes of a payment that the add dialog, the change dialog's new record and the payment
// records editor type into.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/records/record_boxes.h"

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace vrk::ui {

class PaymentEntryPart : public QWidget {
  Q_OBJECT

 public:
  PaymentEntryPart(const QString& amountLabel, QWidget* parent);

  // As on opening: the client codes listed (the first shown when asked), the date and amount given.
  void reset(const std::vector<std::string>& clientCodes, bool showFirst, const store::CalendarDate& date,
             const QString& amount);
  // No code or amount, the date given; the code list stays.
  void clear(const store::CalendarDate& date);
  void showRecord(const records::PaymentBoxes& boxes);
  records::PaymentBoxes boxes() const;

 private:
  QComboBox* client_;
  QDateEdit* date_;
  QLineEdit* amount_;
};

}  // namespace vrk::ui
