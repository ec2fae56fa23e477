// The per-user settings store over QSettings, or over a settings file chosen for tests and vrk-batch.
#pragma once

#include <memory>
#include <string>

#include "core/services/settings_store.h"

namespace vrk::platform {

// Name of the environment variable that points the settings store at a file (tests).
inline constexpr const char* kSettingsFileVariable = "VRK_SETTINGS_FILE";

// overrideFile non-empty: that INI file holds the settings. Otherwise the environment variable
// above, when set; otherwise the desktop's per-user settings (organisation/application "VRK").
std::unique_ptr<services::SettingsStore> openSettingsStore(const std::string& overrideFile = {});

}  // namespace vrk::platform
