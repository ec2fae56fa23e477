// The client code, matter number and date boxes of the add dialogs, of the change dialogs' edit
// part and of the review-and-change editors, and how the matter list follows the client code.
#pragma once

#include <functional>
#include <string>

#include "core/matters/matter_lists.h"
#include "core/store/dates.h"

class QComboBox;
class QDateEdit;
class QWidget;

namespace vrk::ui {

// Add: the matter list follows the client code as it is typed, showing its first number.
// Change: the list follows the code when the box is left, with no number chosen; a code that
// fails the client code rule, or has no matters, leaves matter 0 (every client's) in the matter
// box. Leaving the code as it was keeps the number shown.
enum class EntryMode { Add, Change };

// The dialog's loaded lists; null while the dialog is closed.
using ListsSource = std::function<const matters::MatterLists*()>;

class RecordKeyBoxes {
 public:
  // Makes the boxes (ClientCodeComboBox, MatterNumberComboBox, a date picker) in `parent`.
  RecordKeyBoxes(EntryMode mode, ListsSource lists, QWidget* parent);
  RecordKeyBoxes(const RecordKeyBoxes&) = delete;
  RecordKeyBoxes& operator=(const RecordKeyBoxes&) = delete;

  QComboBox* client() const { return client_; }
  QComboBox* matter() const { return matter_; }
  QDateEdit* date() const { return date_; }

  // No code or number, the date given; the client code list stays.
  void clear(const store::CalendarDate& date);
  // A record's key, with the client's matter numbers listed.
  void show(const std::string& client, const std::string& matter, const store::CalendarDate& date);

 private:
  void listMatters(const std::string& client);  // Add: the first number shown
  void clientLeft();

  EntryMode mode_;
  ListsSource lists_;
  QComboBox* client_;
  QComboBox* matter_;
  QDateEdit* date_;
  std::string listedClient_;  // Change: whose numbers the matter list holds
};

}  // namespace vrk::ui
