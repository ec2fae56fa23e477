#include "core/dialog/centred_message.h"

#include <array>

namespace vrk::dialog {
namespace {

// Advance widths in thousandths of the font size (a common sans-serif font's metrics).
constexpr int kBlank = 278;

int advance(char c) {
  static constexpr std::array<int, 26> kCapitals = {667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833,
                                                    722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611};
  static constexpr std::array<int, 26> kSmall = {556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833,
                                                 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500};
  if (c >= 'A' && c <= 'Z') return kCapitals[static_cast<std::size_t>(c - 'A')];
  if (c >= 'a' && c <= 'z') return kSmall[static_cast<std::size_t>(c - 'a')];
  if ((c >= '0' && c <= '9') || c == '$' || c == '?') return 556;
  switch (c) {
    case '-':
    case '(':
    case ')':
      return 333;
    case '\'':
      return 191;
    default:
      return kBlank;  // blanks and punctuation (, . / :)
  }
}

int weight(std::string_view line) {
  int total = 0;
  for (const char c : line) total += advance(c);
  return total;
}

}  // namespace

std::string centredMessage(std::string_view first, std::string_view second) {
  const int a = weight(first);
  const int b = weight(second);
  const auto blanks = static_cast<std::size_t>((a > b ? a - b : b - a) / 2 / kBlank);
  const std::string pad(blanks, ' ');
  if (a < b) return pad + std::string(first) + "\r\n" + std::string(second);
  return std::string(first) + "\r\n" + pad + std::string(second);
}

}  // namespace vrk::dialog
