#include "platform/folder_copier.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <system_error>
#include <vector>

#include "core/store/folder_lock.h"

namespace vrk::platform {
namespace {

namespace fs = std::filesystem;
using services::CopyProgress;
using services::CopyResult;

constexpr qint64 kChunkSize = qint64{256} * 1024;

QString qPath(const fs::path& path) { return QString::fromStdU16String(path.u16string()); }

std::string shown(const fs::path& path) { return "\"" + qPath(path).toStdString() + "\""; }

CopyResult failure(std::string sentence) { return CopyResult{false, std::move(sentence)}; }

std::string reason(const std::error_code& error) { return error.message(); }

struct FileToCopy {
  fs::path from;
  fs::path to;
  std::uint64_t size = 0;
};

struct Plan {
  std::vector<fs::path> folders;  // destination folders, parents before children
  std::vector<FileToCopy> files;
  std::uint64_t bytes = 0;
  int foldersBelow = 0;  // the folders inside the source
};

// True when `inner` is `outer` or lies below it (both absolute and normalised).
bool isWithin(const fs::path& inner, const fs::path& outer) {
  const fs::path relative = inner.lexically_relative(outer);
  return !relative.empty() && *relative.begin() != "..";
}

// Lists what to create and copy; fails when the source cannot be read.
CopyResult planCopy(const fs::path& source, const fs::path& target, Plan& plan) {
  std::error_code error;
  const fs::file_status status = fs::status(source, error);
  if (!fs::is_directory(status)) {
    if (!fs::is_regular_file(status)) return failure("The file " + shown(source) + " cannot be read.");
    plan.files.push_back({source, target, fs::file_size(source, error)});
    if (error) return failure("The file " + shown(source) + " cannot be read: " + reason(error) + ".");
    plan.bytes += plan.files.back().size;
    return {};
  }
  plan.folders.push_back(target);
  fs::recursive_directory_iterator it(source, fs::directory_options::none, error);
  if (error) return failure("The folder " + shown(source) + " cannot be read: " + reason(error) + ".");
  for (const fs::recursive_directory_iterator end; it != end; it.increment(error)) {
    if (error) break;
    const fs::path from = it->path();
    const fs::path to = target / from.lexically_relative(source);
    const fs::file_status entry = fs::status(from, error);
    if (fs::is_directory(entry)) {
      plan.folders.push_back(to);
      ++plan.foldersBelow;
    } else if (fs::is_regular_file(entry)) {
      // A folder's lock file belongs to the program holding it, not to the data: a copy of it
      // would make the restored folder look held.
      if (store::isLockFileName(from.filename().string())) continue;
      const std::uint64_t size = fs::file_size(from, error);
      if (error) return failure("The file " + shown(from) + " cannot be read: " + reason(error) + ".");
      plan.files.push_back({from, to, size});
      plan.bytes += size;
    } else {
      return failure("The file " + shown(from) + " cannot be read.");
    }
    error.clear();
  }
  if (error)
    return failure("The folder " + shown(source) + " cannot be read completely: " + reason(error) + ".");
  // A fixed order (parents before children) makes runs and their progress repeatable.
  std::sort(plan.folders.begin(), plan.folders.end());
  std::sort(plan.files.begin(), plan.files.end(),
            [](const FileToCopy& a, const FileToCopy& b) { return a.to < b.to; });
  return {};
}

class Copier {
 public:
  Copier(const Plan& plan, const std::function<void(const CopyProgress&)>& progress)
      : plan_(plan), report_(progress) {
    done_.bytesTotal = plan.bytes;
    done_.filesTotal = static_cast<int>(plan.files.size());
  }

  CopyResult run() {
    tell();
    for (const fs::path& folder : plan_.folders) {
      std::error_code error;
      if (fs::is_directory(folder, error)) continue;
      if (fs::exists(fs::symlink_status(folder, error)))
        return failure("The folder " + shown(folder) +
                       " cannot be created: a file of that name is in the way.");
      if (!fs::create_directory(folder, error) && !fs::is_directory(folder))
        return failure("The folder " + shown(folder) + " cannot be created: " + reason(error) + ".");
    }
    for (const FileToCopy& file : plan_.files) {
      if (CopyResult result = copyFile(file); !result.ok) return result;
      ++done_.filesDone;
      tell();
    }
    CopyResult copied;
    copied.files = done_.filesDone;
    copied.folders = plan_.foldersBelow;
    return copied;
  }

 private:
  void tell() {
    if (report_) report_(done_);
  }

  CopyResult copyFile(const FileToCopy& file) {
    std::error_code error;
    if (fs::is_directory(file.to, error))
      return failure("The file " + shown(file.to) +
                     " cannot be written: a folder of that name is in the way.");
    QFile in(qPath(file.from));
    if (!in.open(QIODevice::ReadOnly))
      return failure("The file " + shown(file.from) + " cannot be read: " + in.errorString().toStdString() +
                     ".");
    QSaveFile out(qPath(file.to));
    if (!out.open(QIODevice::WriteOnly))
      return failure("The file " + shown(file.to) + " cannot be written: " + out.errorString().toStdString() +
                     ".");
    QByteArray chunk;
    for (;;) {
      chunk = in.read(kChunkSize);
      if (chunk.isEmpty()) break;
      if (out.write(chunk) != chunk.size())
        return failure("The file " + shown(file.to) +
                       " cannot be written: " + out.errorString().toStdString() + ".");
      done_.bytesDone += static_cast<std::uint64_t>(chunk.size());
      tell();
    }
    if (in.error() != QFileDevice::NoError)
      return failure("The file " + shown(file.from) + " cannot be read: " + in.errorString().toStdString() +
                     ".");
    if (!out.commit())
      return failure("The file " + shown(file.to) + " cannot be written: " + out.errorString().toStdString() +
                     ".");
    const fs::file_time_type modified = fs::last_write_time(file.from, error);
    if (!error) fs::last_write_time(file.to, modified, error);  // best effort
    return {};
  }

  const Plan& plan_;
  const std::function<void(const CopyProgress&)>& report_;
  CopyProgress done_;
};

// An absolute, normalised path without a trailing separator.
fs::path plain(const fs::path& path) {
  std::error_code error;
  fs::path result = fs::absolute(path, error).lexically_normal();
  if (!result.has_filename() && result.has_relative_path()) result = result.parent_path();
  return result;
}

}  // namespace

CopyResult RecursiveFolderCopier::copyTo(const fs::path& source, const fs::path& targetFolder,
                                         const Progress& progress) {
  std::error_code error;
  const fs::path from = plain(source);
  if (!fs::exists(from, error)) return failure("The folder " + shown(source) + " does not exist.");

  const fs::path target = plain(targetFolder);
  if (fs::exists(target, error) && !fs::is_directory(target, error))
    return failure("The destination " + shown(targetFolder) + " is a file, not a folder.");
  if (fs::exists(target.parent_path(), error) && !fs::is_directory(target.parent_path(), error))
    return failure("The destination " + shown(target.parent_path()) + " is a file, not a folder.");
  if (isWithin(fs::weakly_canonical(target, error), fs::weakly_canonical(from, error)))
    return failure("The folder " + shown(source) + " cannot be copied into itself (" + shown(target) + ").");

  fs::create_directories(target.parent_path(), error);
  if (error)
    return failure("The folder " + shown(target.parent_path()) + " cannot be created: " + reason(error) +
                   ".");

  Plan plan;
  if (CopyResult result = planCopy(from, target, plan); !result.ok) return result;
  return Copier(plan, progress).run();
}

}  // namespace vrk::platform
