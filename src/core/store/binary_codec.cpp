#include "core/store/binary_codec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace vrk::store {
namespace {

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);

void putUint64(std::string& record, std::size_t offset, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) record[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t getUint64(std::string_view record, std::size_t offset) {
  std::uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(record[offset + i]);
  return value;
}

}  // namespace

void putText(std::string& record, std::size_t offset, std::size_t width, std::string_view text) {
  const std::size_t length = std::min(width, text.size());
  record[offset] = static_cast<char>(length);
  std::copy_n(text.data(), length, record.begin() + static_cast<std::ptrdiff_t>(offset + 1));
  std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(offset + 1 + length), width - length, '\0');
}

std::string getText(std::string_view record, std::size_t offset, std::size_t width) {
  const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(record[offset]), width);
  return std::string(record.substr(offset + 1, length));
}

std::string encodeText(std::size_t width, std::string_view text) {
  std::string bytes(width + 1, '\0');
  putText(bytes, 0, width, text);
  return bytes;
}

void putInt32(std::string& record, std::size_t offset, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

std::int32_t getInt32(std::string_view record, std::size_t offset) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(record[offset + i]);
  return static_cast<std::int32_t>(bits);
}

void putDouble(std::string& record, std::size_t offset, double value) {
  putUint64(record, offset, std::bit_cast<std::uint64_t>(value));
}

double getDouble(std::string_view record, std::size_t offset) {
  return std::bit_cast<double>(getUint64(record, offset));
}

void putBool(std::string& record, std::size_t offset, bool value) { record[offset] = value ? 1 : 0; }
bool getBool(std::string_view record, std::size_t offset) { return record[offset] != 0; }

std::string encodeInt32s(const std::vector<std::int32_t>& values, std::size_t first) {
  std::string bytes((values.size() - std::min(first, values.size())) * 4, '\0');
  for (std::size_t i = first; i < values.size(); ++i) putInt32(bytes, (i - first) * 4, values[i]);
  return bytes;
}

std::vector<std::int32_t> decodeInt32s(std::string_view bytes, std::size_t count) {
  std::vector<std::int32_t> values(count);
  for (std::size_t i = 0; i < count; ++i) values[i] = getInt32(bytes, i * 4);
  return values;
}

}  // namespace vrk::store
