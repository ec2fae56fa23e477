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

 protected:
  // An error whose text is `problem` alone, without the path (a message of the system's own).
  struct WholeText {};
  StoreError(const std::filesystem::path& path, const std::string& problem, WholeText)
      : std::runtime_error(problem), path_(path), problem_(problem) {}

 private:
  std::filesystem::path path_;
  std::string problem_;
};

// The text shown for a failure no rule expects (memory exhausted, a library fault). Dialogs and
// vrk-batch report it as they report a file error, so it never ends the program.
inline std::string unexpectedErrorText(const std::exception& error) {
  return std::string("The operation was stopped by an unexpected error (") + error.what() + ")";
}

// What an error box says for any failure: a file error's own text, else the unexpected one.
inline std::string errorText(const std::exception& error) {
  return dynamic_cast<const StoreError*>(&error) ? std::string(error.what()) : unexpectedErrorText(error);
}

}  // namespace vrk::store
