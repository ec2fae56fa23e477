// Converts stored single-byte text to and from QString at the user-interface edge.
#pragma once

#include <QString>
#include <string>

namespace vrk::platform {

QString fromStored(const std::string& stored);
std::string toStored(const QString& text);

}  // namespace vrk::platform
