// What Help > About says: the program, its version, and where its data and settings are.
#pragma once

#include <string>

namespace vrk::shell {

inline constexpr const char* kAboutCaption = "About VRK";

// dataFilesPath "" (no data directory chosen yet) and settingsLocation "" are said as such.
std::string aboutText(const std::string& version, const std::string& dataFilesPath,
                      const std::string& settingsLocation);

}  // namespace vrk::shell
