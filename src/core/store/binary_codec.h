// Encodes and decodes the fields of fixed-layout records: length-prefixed text, int32, doubles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vrk::store {

// A text field of at most `width` characters takes width + 1 bytes: a length byte, then the
// characters. Longer text is cut to `width` on store; bytes past the length are ignored on read
// (a length byte above `width` is read as `width`).
void putText(std::string& record, std::size_t offset, std::size_t width, std::string_view text);
std::string getText(std::string_view record, std::size_t offset, std::size_t width);
std::string encodeText(std::size_t width, std::string_view text);  // width + 1 bytes

void putInt32(std::string& record, std::size_t offset, std::int32_t value);  // little-endian
std::int32_t getInt32(std::string_view record, std::size_t offset);
void putDouble(std::string& record, std::size_t offset, double value);  // IEEE, little-endian
double getDouble(std::string_view record, std::size_t offset);
void putBool(std::string& record, std::size_t offset, bool value);
bool getBool(std::string_view record, std::size_t offset);

// Whole files of 32-bit integers (data-slot files, free-slot files, counts).
std::string encodeInt32s(const std::vector<std::int32_t>& values, std::size_t first = 0);
std::vector<std::int32_t> decodeInt32s(std::string_view bytes, std::size_t count);

}  // namespace vrk::store
