// Typing a figure into a masked rate, amount or hours box as into any money field: the whole
// digits fill the positions before the point from the right, a typed point moves on to the
// decimals, and "$" and commas typed are accepted and ignored.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vrk::rules {

class FigureEntry {
 public:
  // `mask` as in box_text.h: '9' a digit position, every other character shown as it is.
  explicit FigureEntry(std::string_view mask);

  // The box's text, every position present: digits typed, '_' for the others
  // ("1500" in "$99,999,999.99" shows "$__,__1,500.__"). The reading rules of masked_box.h turn
  // it into the stored text.
  std::string shown() const;
  const std::string& figure() const { return figure_; }  // as typed, without "$" and commas
  std::size_t cursor() const { return cursor_; }          // in figure()
  // Where the cursor stands in shown().
  std::size_t shownCursor() const;

  // Starts afresh from a text in the box's form ("$00,001,250.50", "$__,__1,500.__") or a plain
  // figure; the cursor goes to the end. A text the box cannot hold leaves the box empty.
  void setText(std::string_view text);
  void clear();
  // One typed character: false when it is refused (no room, a second point where the decimals
  // would not fit, not a digit, point, "$" or comma).
  bool type(char c);
  bool type(std::string_view text);  // each character in turn; false when any was refused
  void backspace();
  void deleteForward();
  void home() { cursor_ = 0; }
  void end() { cursor_ = figure_.size(); }
  void left() { cursor_ -= cursor_ > 0 ? 1 : 0; }
  void right() { cursor_ += cursor_ < figure_.size() ? 1 : 0; }
  // A click at a position of shown(): the cursor goes to the nearest place in the figure.
  void placeCursor(std::size_t shownPosition);

 private:
  std::size_t point() const { return figure_.find('.'); }  // npos when no point was typed
  std::size_t wholeDigits() const;
  std::size_t decimalDigits() const;
  bool fits(const std::string& figure) const;

  std::string mask_;
  std::size_t wholeRoom_ = 0, decimalRoom_ = 0, maskPoint_ = 0;
  std::string figure_;
  std::size_t cursor_ = 0;
};

}  // namespace vrk::rules
