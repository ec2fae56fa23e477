// The rate, time and amount boxes of the billing record dialogs: what a typed text stores and shows.
#pragma once

#include <optional>
#include <string>

namespace vrk::records {

// A valid box: the text stored in the record and the text shown back in the box.
struct BoxFigure {
  std::string stored;
  std::string shown;

  bool operator==(const BoxFigure&) const = default;
};

// Which dialog reads the box; they differ on an empty box and on what a time stores.
enum class Entry { Add, Change };

// The special billing rate: "none" or an empty box means no rate (stored empty, shown as typed);
// "$" alone also stores no rate in the add dialog, while the change dialog keeps the record's rate
// (`unchanged` is then true). Otherwise a "$", blanks (as zeros) and commas are allowed and the
// value must lie from 0 to 99,999.99: shown as $1,250.00, stored as the cleaned text ("1250.00"),
// its surplus leading zeros dropped and, if still too long for the field's 8 characters, written
// with two decimals, so a stored rate never changes its value by being cut.
struct RateFigure {
  BoxFigure figure;
  bool unchanged = false;
};
std::optional<RateFigure> readRate(const std::string& typed, Entry entry);

// Hours and tenths, 0.1 to 999.9 (blanks as zeros, commas removed; an empty box is refused).
// Shown with one decimal; the add dialog stores what is shown ("1.3" for 1.25), the change dialog
// the cleaned text as typed, fitted to 5 characters as a rate is.
std::optional<BoxFigure> readTime(const std::string& typed, Entry entry);

// A cost/credit amount, $0.01 to $99,999,999.99 ("$", blanks as zeros, commas); an empty box or
// "$" alone is refused. Shown as $1,234.50, stored cleaned ("1234.50"), fitted to 11 characters.
std::optional<BoxFigure> readCostCreditAmount(const std::string& typed);

// A payment amount: as a cost/credit amount, but a blank or underscore is refused.
std::optional<BoxFigure> readPaymentAmount(const std::string& typed);

// What Display shows of stored fields: a rate as $1,250.00, or "none" when empty; an amount as
// $1,234.50.
std::string shownRate(const std::string& stored);
std::string shownAmount(const std::string& stored);

}  // namespace vrk::records
