// Makes sure a GUI application object exists (printing needs one; the batch tool starts without).
#pragma once

namespace vrk::platform {

// Creates a QGuiApplication on the offscreen platform when none exists yet; it lives until exit.
void ensureGuiApplication();

}  // namespace vrk::platform
