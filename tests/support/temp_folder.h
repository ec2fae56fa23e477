// Test support: a temporary folder removed at the end of a test, and file snapshots.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace vrk::test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() /
            ("vrk-test-" + std::to_string(device()) + "-" + std::to_string(device()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Every file of a folder by name, with its bytes; the store's folder stamp, which only a commit
// writes, is left out so that states reached by different saves compare by their data, and so is
// the lock file a killed program leaves behind.
using Snapshot = std::map<std::string, std::string>;

inline Snapshot snapshot(const std::filesystem::path& folder) {
  Snapshot files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_regular_file() && entry.path().filename() != ".vrk-folder-stamp" &&
        entry.path().filename().string().rfind(".vrk-lock", 0) != 0)
      files[entry.path().filename().string()] = readFile(entry.path());
  return files;
}

// The July 2001 folder of an office under tests/data, copied to `into` (writable) and returned.
inline std::filesystem::path copyOffice(const std::filesystem::path& into, const std::string& office) {
  const std::filesystem::path source = std::filesystem::path(VRK_TEST_DATA_DIR) / office / "VRK DATA FILES" / "072001";
  const auto target = into / "072001";
  std::filesystem::create_directories(target);
  for (const auto& entry : std::filesystem::directory_iterator(source)) {
    std::filesystem::copy_file(entry.path(), target / entry.path().filename());
    std::filesystem::permissions(target / entry.path().filename(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  }
  return target;
}

// The sample office's July 2001 folder, copied to `into` (writable) and returned.
inline std::filesystem::path copySampleOffice(const std::filesystem::path& into) {
  return copyOffice(into, "sample-office");
}

}  // namespace vrk::test
