// Windows-1252, the single-byte character set of every text stored in the data files.
#pragma once

#include <string>
#include <string_view>

namespace vrk::text {

// Stored single-byte text to UTF-8 (bytes 0x80-0x9F per Windows-1252; the five unassigned ones
// map to U+FFFD).
std::string utf8FromCp1252(std::string_view stored);

// UTF-8 to stored single-byte text; characters Windows-1252 cannot hold become '?'.
// Malformed UTF-8 bytes also become '?'.
std::string cp1252FromUtf8(std::string_view utf8);

// True when the bytes are well-formed UTF-8 throughout (plain ASCII is).
bool isUtf8(std::string_view bytes);

}  // namespace vrk::text
