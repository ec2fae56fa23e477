#include "core/backup/backup_location.h"

#include <system_error>

#include "core/text/cp1252.h"

namespace vrk::backup {
namespace fs = std::filesystem;

fs::path pathFromUtf8(const std::string& text) { return fs::path(std::u8string(text.begin(), text.end())); }

std::string utf8FromPath(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

fs::path plainDirectory(const std::string& text) {
  if (text.empty()) return {};
  fs::path path = pathFromUtf8(text);
  // "C:" names the current directory of drive C; as a chosen directory it means the drive's root.
  if (path.has_root_name() && !path.has_root_directory() && path.relative_path().empty())
    path += fs::path::preferred_separator;
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  if (!error) path = absolute;
  path = path.lexically_normal();
  if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
  return path;
}

bool isDataFilesFolder(const fs::path& directory) {
  const fs::path name = directory.filename();
  return name == kDataFilesFolderName || name == kDataFilesFolderNameMixed;
}

std::optional<fs::path> existingBackupIn(const fs::path& directory, const fs::path& preferredName) {
  std::error_code error;
  for (const fs::path& name :
       {preferredName, fs::path(kDataFilesFolderName), fs::path(kDataFilesFolderNameMixed)}) {
    if (name.empty() || !isDataFilesFolder(name)) continue;
    if (fs::is_directory(directory / name, error)) return directory / name;
  }
  return std::nullopt;
}

bool isSameOrInside(const fs::path& inner, const fs::path& outer) {
  std::error_code error;
  fs::path in = fs::weakly_canonical(inner, error);
  if (error) in = inner.lexically_normal();
  fs::path out = fs::weakly_canonical(outer, error);
  if (error) out = outer.lexically_normal();
  if (!in.has_filename() && in.has_relative_path()) in = in.parent_path();
  if (!out.has_filename() && out.has_relative_path()) out = out.parent_path();
  const fs::path relative = in.lexically_relative(out);
  return !relative.empty() && *relative.begin() != "..";
}

std::string openingDirectory(const std::string& backupDataFilesPath) {
  std::error_code error;
  const fs::path setting = plainDirectory(backupDataFilesPath);
  if (!setting.empty()) {
    if (fs::is_directory(setting, error)) return utf8FromPath(setting);
    const fs::path root = setting.root_path();
    if (!root.empty() && fs::is_directory(root, error)) return utf8FromPath(root);
  }
  fs::path root = fs::current_path(error).root_path();
  if (root.empty()) root = fs::path(std::string(1, fs::path::preferred_separator));
  return utf8FromPath(root);
}

std::string shownPath(const fs::path& path) { return text::cp1252FromUtf8(utf8FromPath(path)); }

}  // namespace vrk::backup
