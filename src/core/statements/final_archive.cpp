#include "core/statements/final_archive.h"

#include <algorithm>

#include "core/store/catalogue.h"
#include "core/store/transaction.h"
#include "core/store/text_list.h"

namespace vrk::statements {
namespace {

constexpr std::string_view kPrefix = "Final Statements Group ";
constexpr std::string_view kSuffix = ".pdf";
constexpr std::uint64_t kMostArchiveBytes = 1ULL << 30;

}  // namespace

std::string archiveTitle(const std::string& group) { return std::string(kPrefix) + group; }

std::string archiveName(const std::string& group) { return archiveTitle(group) + std::string(kSuffix); }

std::optional<std::string> archivedGroup(const std::string& fileName) {
  if (fileName.size() <= kPrefix.size() + kSuffix.size() || fileName.rfind(kPrefix, 0) != 0 ||
      fileName.compare(fileName.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0)
    return std::nullopt;
  return fileName.substr(kPrefix.size(), fileName.size() - kPrefix.size() - kSuffix.size());
}

std::vector<std::string> archivedGroups(const std::filesystem::path& folder) {
  const store::Transaction tx(folder);  // a final run a crash interrupted is finished first
  std::vector<std::string> found;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
    if (const auto group = archivedGroup(entry->path().filename().string()); group && entry->is_regular_file(error))
      found.push_back(*group);
  std::sort(found.begin(), found.end());
  std::vector<std::string> order;
  try {
    if (tx.exists(store::files::kClientGroups))
      order = store::parseTextList(tx.read(store::files::kClientGroups, 1 << 20));
  } catch (const std::exception&) {
    // Without the client group list the archives keep their name order.
  }
  std::stable_sort(found.begin(), found.end(), [&](const std::string& a, const std::string& b) {
    const auto rank = [&](const std::string& group) { return std::find(order.begin(), order.end(), group) - order.begin(); };
    return rank(a) < rank(b);
  });
  return found;
}

std::optional<std::string> readArchive(const std::filesystem::path& folder, const std::string& group) {
  const store::Transaction tx(folder);
  const std::string name = archiveName(group);
  if (!tx.exists(name)) return std::nullopt;
  return tx.read(name, kMostArchiveBytes);
}

}  // namespace vrk::statements
