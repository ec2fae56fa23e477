// The two fonts documents use, "Courier" (always resolved to a fixed-pitch face) and "Arial".
#pragma once

#include <QFont>

namespace vrk::platform {

// "Courier" at the given size; when the system has no fixed-pitch face for that name (no
// Courier, Courier New or substitute such as Liberation Mono), the system's fixed font.
QFont courierFont(int pointSize);
QFont courierFontInPixels(int pixelSize);

// "Arial" (Liberation Sans or another substitute where Arial itself is missing).
QFont arialFont(int pointSize);

}  // namespace vrk::platform
