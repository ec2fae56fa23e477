#include "core/store/linked_commit.h"

#include <filesystem>
#include <system_error>

#include "core/store/journal.h"
#include "core/store/store_error.h"

namespace vrk::store {
namespace {

bool sameFolder(const std::filesystem::path& one, const std::filesystem::path& other) {
  std::error_code ignored;  // a folder that cannot be examined is told by its path alone
  return one == other || std::filesystem::equivalent(one, other, ignored);
}

}  // namespace

void commitTogether(Transaction& first, Transaction& second) {
  if (!first.hasChanges()) return second.commit();
  if (!second.hasChanges()) return first.commit();
  const auto one = journal::normalFolder(first.folder());
  const auto other = journal::normalFolder(second.folder());
  if (sameFolder(one, other))
    throw StoreError(second.folder(), "The changes cannot be saved as one with other changes of this folder");
  if (!sameFolder(one.parent_path(), other.parent_path()))
    throw StoreError(second.folder(), "The changes cannot be saved as one with those of " +
                                          first.folder().string() + ", which is not beside this folder");
  Transaction::commitAll({&first, &second});
}

}  // namespace vrk::store
