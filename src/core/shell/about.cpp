#include "core/shell/about.h"

namespace vrk::shell {

std::string aboutText(const std::string& version, const std::string& dataFilesPath,
                      const std::string& settingsLocation) {
  return "VRK Time and Billing\r\nVersion " + version + "\r\n\r\nData directory: " +
         (dataFilesPath.empty() ? std::string("not chosen yet") : dataFilesPath) + "\r\nSettings: " +
         (settingsLocation.empty() ? std::string("not saved") : settingsLocation);
}

}  // namespace vrk::shell
