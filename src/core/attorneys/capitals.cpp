#include "core/attorneys/capitals.h"

namespace vrk::attorneys {

std::string capitals(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace vrk::attorneys
