#include "core/store/text_list.h"

#include <algorithm>

namespace vrk::store {
namespace {

unsigned char foldCase(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  // Windows-1252: à..þ (except ÷) fold onto À..Þ; š, œ, ž, ÿ onto Š, Œ, Ž, Ÿ.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:
      return 0x8A;
    case 0x9C:
      return 0x8C;
    case 0x9E:
      return 0x8E;
    case 0xFF:
      return 0x9F;
    default:
      return c;
  }
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
  return compareTextIgnoringCase(a, b) < 0;
}

}  // namespace

std::vector<std::string> parseTextList(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string formatTextList(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

int compareTextIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char ca = foldCase(static_cast<unsigned char>(a[i]));
    const unsigned char cb = foldCase(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void sortTextList(std::vector<std::string>& lines) {
  std::stable_sort(lines.begin(), lines.end(), lessIgnoringCase);
  lines.erase(std::unique(lines.begin(), lines.end(),
                          [](const std::string& a, const std::string& b) {
                            return compareTextIgnoringCase(a, b) == 0;
                          }),
              lines.end());
}

long findInSortedList(const std::vector<std::string>& sorted, std::string_view value) {
  const auto it = std::lower_bound(
      sorted.begin(), sorted.end(), value,
      [](const std::string& line, std::string_view v) { return compareTextIgnoringCase(line, v) < 0; });
  if (it == sorted.end() || compareTextIgnoringCase(*it, value) != 0) return -1;
  return static_cast<long>(it - sorted.begin());
}

std::size_t insertIntoSortedList(std::vector<std::string>& sorted, const std::string& value) {
  const auto it = std::lower_bound(sorted.begin(), sorted.end(), value, lessIgnoringCase);
  const auto index = static_cast<std::size_t>(it - sorted.begin());
  if (it == sorted.end() || compareTextIgnoringCase(*it, value) != 0) sorted.insert(it, value);
  return index;
}

bool isKeptInOrder(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) return false;
    if (i > 0 && compareTextIgnoringCase(lines[i - 1], lines[i]) >= 0) return false;
  }
  return true;
}

}  // namespace vrk::store
