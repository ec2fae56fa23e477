// The per-user settings store over QSettings, or over a settings file chosen for tests and vrk-batch.
#pragma once

#include <memory>
#include <string>

#include "core/services/settings_store.h"

namespace vrk::platform {

// Name of the environment variable that points the settings store at a file (tests).
inline constexpr const char* kSettingsFileVariable = "VRK_SETTINGS_FILE";

// Entry written inside the key by createKey(). An INI file keeps a group only while it holds a
// value, so this entry is what makes an empty key exist there (in the registry it is removed
// again at once, because a registry key exists without values).
inline constexpr const char* kKeyMarker = "KeyCreated";

// overrideFile non-empty: that INI file holds the settings. Otherwise the environment variable
// above, when set; otherwise the desktop's per-user settings: the registry key
// HKEY_CURRENT_USER\Software\VRK on Windows, elsewhere the group Software/VRK of the per-user
// INI file of organisation and application "VRK".
//
// Values are UTF-8 strings. Every write is synced to disk before writeString()/createKey()
// return; a settings file that cannot be read or written raises store::StoreError.
std::unique_ptr<services::SettingsStore> openSettingsStore(const std::string& overrideFile = {});

}  // namespace vrk::platform
