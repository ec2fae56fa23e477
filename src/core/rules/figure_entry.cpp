#include "core/rules/figure_entry.h"

namespace vrk::rules {

FigureEntry::FigureEntry(std::string_view mask) : mask_(mask) {
  maskPoint_ = mask_.find('.');
  if (maskPoint_ == std::string::npos) maskPoint_ = mask_.size();
  for (std::size_t i = 0; i < mask_.size(); ++i)
    if (mask_[i] == '9') ++(i < maskPoint_ ? wholeRoom_ : decimalRoom_);
}

std::size_t FigureEntry::wholeDigits() const {
  const auto p = point();
  return p == std::string::npos ? figure_.size() : p;
}

std::size_t FigureEntry::decimalDigits() const {
  const auto p = point();
  return p == std::string::npos ? 0 : figure_.size() - p - 1;
}

bool FigureEntry::fits(const std::string& figure) const {
  const auto p = figure.find('.');
  const std::size_t whole = p == std::string::npos ? figure.size() : p;
  const std::size_t decimals = p == std::string::npos ? 0 : figure.size() - p - 1;
  if (p != std::string::npos && (decimalRoom_ == 0 || figure.find('.', p + 1) != std::string::npos)) return false;
  return whole <= wholeRoom_ && decimals <= decimalRoom_;
}

std::string FigureEntry::shown() const {
  std::string text = mask_;
  const std::size_t whole = wholeDigits();
  std::size_t next = whole;  // whole digits from the right
  for (std::size_t i = maskPoint_; i-- > 0;) {
    if (text[i] != '9') continue;
    text[i] = next > 0 ? figure_[--next] : '_';
  }
  std::size_t decimal = whole + 1;  // decimals from the left
  for (std::size_t i = maskPoint_; i < text.size(); ++i) {
    if (text[i] != '9') continue;
    text[i] = decimal < figure_.size() ? figure_[decimal++] : '_';
  }
  return text;
}

std::size_t FigureEntry::shownCursor() const {
  const std::size_t whole = wholeDigits();
  if (cursor_ < whole) {
    // Before whole digit `cursor_`: its position, counting the filled positions from the right.
    std::size_t fromRight = whole - cursor_;
    for (std::size_t i = maskPoint_; i-- > 0;)
      if (mask_[i] == '9' && --fromRight == 0) return i;
  }
  if (cursor_ <= whole) return maskPoint_;
  std::size_t decimalsBefore = cursor_ - whole - 1;
  for (std::size_t i = maskPoint_; i < mask_.size(); ++i)
    if (mask_[i] == '9' && decimalsBefore-- == 0) return i;
  return mask_.size();
}

void FigureEntry::setText(std::string_view text) {
  clear();
  std::string whole, decimals;
  bool sawPoint = false;
  for (const char c : text) {
    if (c == '.') {
      if (sawPoint) return;
      sawPoint = true;
    } else if (c >= '0' && c <= '9') {
      (sawPoint ? decimals : whole) += c;
    } else if (c != '$' && c != ',' && c != '_' && c != ' ') {
      return;
    }
  }
  std::string figure = whole;
  if (!decimals.empty()) figure += "." + decimals;
  if (!fits(figure)) return;
  figure_ = figure;
  end();
}

void FigureEntry::clear() {
  figure_.clear();
  cursor_ = 0;
}

bool FigureEntry::type(char c) {
  if (c == '$' || c == ',') return true;
  if (c == '.' && point() != std::string::npos) {
    if (cursor_ <= point()) cursor_ = point() + 1;  // in the whole digits: on to the decimals
    return true;
  }
  if (c != '.' && (c < '0' || c > '9')) return false;
  std::string next = figure_;
  next.insert(cursor_, 1, c);
  if (!fits(next)) return false;
  figure_ = next;
  ++cursor_;
  return true;
}

bool FigureEntry::type(std::string_view text) {
  bool all = true;
  for (const char c : text) all = type(c) && all;
  return all;
}

void FigureEntry::backspace() {
  if (cursor_ == 0) return;
  std::string next = figure_;
  next.erase(cursor_ - 1, 1);
  if (!fits(next)) return;  // taking the point away would leave more whole digits than fit
  figure_ = next;
  --cursor_;
}

void FigureEntry::deleteForward() {
  if (cursor_ >= figure_.size()) return;
  std::string next = figure_;
  next.erase(cursor_, 1);
  if (fits(next)) figure_ = next;
}

void FigureEntry::placeCursor(std::size_t shownPosition) {
  if (shownPosition > maskPoint_) {
    end();
    return;
  }
  // The whole digits stand in the rightmost filled positions before the point.
  std::size_t filledBefore = 0, slot = 0;
  const std::size_t firstFilled = wholeRoom_ - wholeDigits();
  for (std::size_t i = 0; i < shownPosition && i < maskPoint_; ++i)
    if (mask_[i] == '9' && slot++ >= firstFilled) ++filledBefore;
  cursor_ = filledBefore;
}

}  // namespace vrk::rules
