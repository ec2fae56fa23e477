// The one exception type for a data file that cannot be read or written.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace vrk::store {

// Raised when a file cannot be opened, read, written or is damaged. Carries the file's path;
// dialogs catch it at their boundary and show what() in an error box.
class StoreError : public std::runtime_error {
 public:
  StoreError(const std::filesystem::path& path, const std::string& problem)
      : std::runtime_error(problem + ": " + path.string()), path_(path), problem_(problem) {}

  const std::filesystem::path& path() const { return path_; }
  const std::string& problem() const { return problem_; }

 private:
  std::filesystem::path path_;
  std::string problem_;
};

}  // namespace vrk::store
