// Converts stored single-byte text to and from QString at the user-interface edge.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace vrk::platform {

QString fromStored(const std::string& stored);
std::string toStored(const QString& text);
// A file name typed or chosen in a dialog as a path.
std::filesystem::path toPath(const QString& text);

}  // namespace vrk::platform
