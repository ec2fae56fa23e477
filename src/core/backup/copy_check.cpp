#include "core/backup/copy_check.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

#include "core/backup/backup_location.h"
#include "core/store/folder_lock.h"
#include "core/store/sha256.h"

namespace vrk::backup {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPiece = std::size_t{1} << 20;

// Size and SHA-256 of a file, read a piece at a time; nothing when it cannot be read whole.
struct Fingerprint {
  std::uintmax_t size = 0;
  std::string hash;
  bool operator==(const Fingerprint&) const = default;
};

std::optional<Fingerprint> fingerprint(const fs::path& file, const std::function<void()>& advance) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  Fingerprint print;
  store::Sha256 digest;
  std::string piece(kPiece, '\0');
  for (bool first = true; in; first = false) {
    if (!first && advance) advance();  // a large file: the window repaints as it is read
    in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    digest.update(std::string_view(piece).substr(0, got));
    print.size += got;
  }
  if (in.bad()) return std::nullopt;
  print.hash = digest.hex();
  return print;
}

}  // namespace

std::optional<fs::path> firstDifferingCopy(const fs::path& source, const fs::path& target,
                                           const std::function<void()>& advance) {
  // The files to check, in a fixed order so that the one reported is the same on every run.
  std::vector<fs::path> files;
  std::error_code error;
  fs::recursive_directory_iterator it(source, fs::directory_options::none, error);
  for (const fs::recursive_directory_iterator end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    const fs::file_status status = it->status(typeError);
    if (fs::is_directory(status)) continue;
    const fs::path relative = it->path().lexically_relative(source);
    if (!fs::is_regular_file(status)) return relative;  // the copier refuses it as well
    if (!store::isLockFileName(it->path().filename().string())) files.push_back(relative);
  }
  if (error) return fs::path(".");
  std::sort(files.begin(), files.end());

  for (const fs::path& file : files) {
    if (advance) advance();
    const auto original = fingerprint(source / file, advance);
    if (!original) return file;
    const auto copy = fingerprint(target / file, advance);
    if (!copy || *copy != *original) return file;
  }
  return std::nullopt;
}

std::string backupCopyDiffers(const fs::path& file) {
  return "THE BACKUP COPY OF " + shownPath(file) + " DIFFERS FROM THE ORIGINAL\r\n" + kBackupNotComplete;
}

std::string restoredCopyDiffers(const fs::path& file) {
  return "THE RESTORED COPY OF " + shownPath(file) + " DIFFERS FROM THE BACKUP\r\n" + kDataFilesNotRestored;
}

std::string keptCopyDiffers(const fs::path& file) {
  return "THE KEPT COPY OF " + shownPath(file) + " DIFFERS FROM THE ORIGINAL";
}

}  // namespace vrk::backup
