#include "core/text/cp1252.h"

#include <array>
#include <cstdint>

namespace vrk::text {

namespace {

// Code points of the bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves unassigned map to
// the C1 control of the same number, as Windows maps them, so they survive a display and save.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void appendUtf8(std::string& out, char32_t cp) {
  auto put = [&out](uint32_t byte) { out.push_back(static_cast<char>(byte)); };
  const auto c = static_cast<uint32_t>(cp);
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else {  // every code point here lies below U+10000
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

// The stored byte for a code point, or '?' when Windows-1252 has none.
char byteFor(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// Decodes one well-formed UTF-8 sequence at `pos`; on success advances `pos` past it.
bool decodeOne(std::string_view utf8, size_t& pos, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(utf8[pos]);
  int length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    cp = lead;
    ++pos;
    return true;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, cp = lead & 0x07;
  } else {
    return false;
  }
  if (pos + static_cast<size_t>(length) > utf8.size()) return false;
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(utf8[pos + static_cast<size_t>(i)]);
    if ((next & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  pos += static_cast<size_t>(length);
  return true;
}

}  // namespace

std::string utf8FromCp1252(std::string_view stored) {
  std::string out;
  out.reserve(stored.size());
  for (const char c : stored) {
    const auto byte = static_cast<unsigned char>(c);
    appendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t{byte});
  }
  return out;
}

std::string cp1252FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    if (decodeOne(utf8, pos, cp)) {
      out.push_back(byteFor(cp));
    } else {
      out.push_back('?');
      ++pos;
    }
  }
  return out;
}

bool isUtf8(std::string_view bytes) {
  size_t pos = 0;
  char32_t cp = 0;
  while (pos < bytes.size())
    if (!decodeOne(bytes, pos, cp)) return false;
  return true;
}

}  // namespace vrk::text
