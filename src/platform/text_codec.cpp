#include "platform/text_codec.h"

#include "core/text/cp1252.h"

namespace vrk::platform {

QString fromStored(const std::string& stored) { return QString::fromStdString(text::utf8FromCp1252(stored)); }

std::string toStored(const QString& text) { return text::cp1252FromUtf8(text.toStdString()); }

std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdU16String()); }

}  // namespace vrk::platform
