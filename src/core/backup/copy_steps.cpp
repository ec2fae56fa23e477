#include "core/backup/copy_steps.h"

#include "core/backup/copy_check.h"
#include "core/store/store_error.h"
#include "core/store/transaction.h"

namespace vrk::backup {

CheckedCopy copyWithSteps(services::FolderCopier& copier, const std::filesystem::path& source,
                          const std::filesystem::path& target, const CopySteps& steps) {
  if (steps) steps(kCopyStarted);
  // A save that a crash interrupted is finished (or discarded) on both sides first: the copy then
  // holds whole saves only, and no journal is left to be replayed over the copied files later.
  try {
    store::recoverFolders(source);
    store::recoverFolders(target);
  } catch (const store::StoreError& error) {
    return {{false, error.what()}, std::nullopt};
  }
  services::FolderCopier::Progress advance;
  if (steps) {
    advance = [&steps](const services::CopyProgress& progress) {
      const bool halfDone = progress.bytesTotal > 0
                                ? progress.bytesDone * 2 >= progress.bytesTotal
                                : progress.filesTotal > 0 && progress.filesDone * 2 >= progress.filesTotal;
      steps(halfDone ? kCopyHalfDone : kCopyStarted);
    };
  }
  CheckedCopy result{copier.copyTo(source, target, advance), std::nullopt};
  if (!result.copied.ok) return result;
  // A copy is only as good as its bytes: each file is read back and compared with its original.
  std::function<void()> checking;
  if (steps) checking = [&steps] { steps(kCopyHalfDone); };
  result.differing = firstDifferingCopy(source, target, checking);
  if (result.ok() && steps) steps(kCopyDone);
  return result;
}

std::string copiedCounts(const services::CopyResult& result, const char* copied) {
  const auto counted = [](int count, const char* one, const char* more) {
    return std::to_string(count) + " " + (count == 1 ? one : more);
  };
  return counted(result.files, "FILE", "FILES") + " IN " + counted(result.folders, "FOLDER", "FOLDERS") +
         (result.files == 1 ? " WAS " : " WERE ") + copied;
}

}  // namespace vrk::backup
