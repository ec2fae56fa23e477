#include "core/document/output_file_name.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace vrk::document {
namespace {

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string titleFromCaption(const std::string& caption) {
  for (const std::string_view prefix : {"Display/Print ", "Print ", "Display "})
    if (caption.starts_with(prefix)) return caption.substr(prefix.size());
  return caption;
}

std::string pdfFileName(const std::string& title, const store::CalendarDate& date) {
  std::string name;
  for (const char c : title) {
    const auto byte = static_cast<unsigned char>(c);
    const bool unsafe = byte < 0x20 || byte == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
    name += unsafe ? '-' : c;
  }
  name = trimmed(name);
  if (name.empty()) name = "Document";
  std::array<char, 16> day{};
  std::snprintf(day.data(), day.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
  return name + " " + day.data() + ".pdf";
}

}  // namespace vrk::document
