// Test support for the robustness tests: vrk-batch started as a child process, ended by a time
// limit or killed on purpose, and the files of billing-period folders compared.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_folder.h"

extern char** environ;

namespace vrk::test::robust {

using Clock = std::chrono::steady_clock;

// The options runBatchOn passes: a settings file of its own in the data directory, the day taken
// as today and the billing period; then the command's words.
inline std::vector<std::string> batchArguments(const std::filesystem::path& dataDir,
                                               const std::vector<std::string>& words,
                                               const std::string& today, const std::string& period) {
  std::vector<std::string> args = {VRK_BATCH_EXE, "--settings",     (dataDir / "settings.ini").string(),
                                   "--data-dir",  dataDir.string(), "--today",
                                   today,         "--period",       period};
  args.insert(args.end(), words.begin(), words.end());
  return args;
}

// How a child process ended.
struct Ending {
  bool exited = false;  // it exited by itself with `status`
  int status = -1;
  int signal = 0;         // the signal that ended it, else 0
  bool timedOut = false;  // the time limit ran out and the runner killed it
  std::string output;     // standard output and standard error, as they came
  double seconds = 0;     // from the start to the end

  std::string describe() const {
    if (timedOut) return "no end within the time limit (killed)";
    if (!exited) return "ended by signal " + std::to_string(signal);
    return "exit status " + std::to_string(status);
  }
};

// A vrk-batch process started with posix_spawn. Its output is read through a pipe, or dropped.
// A child still running when the object goes is killed and reaped.
class BatchProcess {
 public:
  BatchProcess(const std::vector<std::string>& args, bool captureOutput) : start_(Clock::now()) {
    int fds[2] = {-1, -1};
    if (captureOutput && ::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (captureOutput) {
      posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
      posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    } else {
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
      posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const int failed = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (captureOutput) {
      ::close(fds[1]);
      pipe_ = fds[0];
    }
    if (failed != 0) {
      pid_ = -1;
      throw std::runtime_error("cannot start " + args[0]);
    }
  }
  ~BatchProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      reap(true);
    }
    if (pipe_ >= 0) ::close(pipe_);
  }
  BatchProcess(const BatchProcess&) = delete;
  BatchProcess& operator=(const BatchProcess&) = delete;

  // Reads the output and waits for the end; past `limit` the process is killed.
  Ending wait(std::chrono::milliseconds limit) {
    const auto deadline = start_ + limit;
    while (pipe_ >= 0) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return killNow(true);
      pollfd waiting{pipe_, POLLIN, 0};
      const int ready = ::poll(&waiting, 1, static_cast<int>(left));
      if (ready == 0 || (ready < 0 && errno == EINTR)) continue;  // the deadline is checked above
      char buffer[4096];
      const ssize_t n = ready > 0 ? ::read(pipe_, buffer, sizeof buffer) : -1;
      if (n > 0) {
        ending_.output.append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {  // the end of the output, or a pipe that cannot be read
        ::close(pipe_);
        pipe_ = -1;
      }
    }
    while (Clock::now() < deadline) {
      if (reap(false)) return ending_;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return killNow(true);
  }

  // SIGKILL now (a process that has already ended is only reaped), then the ending.
  Ending killNow(bool timedOut = false) {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      reap(true);
      ending_.timedOut = timedOut && !ending_.exited;
    }
    return ending_;
  }

 private:
  bool reap(bool block) {
    int status = 0;
    pid_t done = 0;
    do {
      done = ::waitpid(pid_, &status, block ? 0 : WNOHANG);
    } while (done < 0 && errno == EINTR);
    if (done != pid_) return false;
    pid_ = -1;
    ending_.seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    ending_.exited = WIFEXITED(status);
    ending_.status = ending_.exited ? WEXITSTATUS(status) : -1;
    ending_.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return true;
  }

  Clock::time_point start_;
  pid_t pid_ = -1;
  int pipe_ = -1;
  Ending ending_;
};

// Runs vrk-batch to its end, or kills it after `limit`.
inline Ending runBatchLimited(const std::vector<std::string>& args,
                              std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  BatchProcess process(args, true);
  return process.wait(limit);
}

// The lock file of a folder and its takeover file are not data.
inline bool isLockFile(const std::string& name) { return name.rfind(".vrk-lock", 0) == 0; }

// The files of a folder by name with their bytes, lock files left out; a missing folder has none.
using FolderFiles = std::map<std::string, std::string>;

inline FolderFiles folderFiles(const std::filesystem::path& folder) {
  FolderFiles files;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_regular_file() && !isLockFile(entry.path().filename().string()))
      files[entry.path().filename().string()] = readFile(entry.path());
  return files;
}

// Every billing-period folder of a data directory as "folder/file" with its bytes (files of the
// data directory itself, such as the settings file, are left out).
inline FolderFiles dataDirectoryFiles(const std::filesystem::path& dataDir) {
  FolderFiles files;
  for (const auto& entry : std::filesystem::directory_iterator(dataDir))
    if (entry.is_directory())
      for (auto& [name, bytes] : folderFiles(entry.path()))
        files[entry.path().filename().string() + "/" + name] = std::move(bytes);
  return files;
}

// The names of the files that differ between two states (or stand in only one), for messages.
inline std::string differingFiles(const FolderFiles& a, const FolderFiles& b) {
  std::string names;
  const auto add = [&names](const std::string& name, const char* how) {
    names += (names.empty() ? "" : ", ") + name + how;
  };
  for (const auto& [name, bytes] : a) {
    const auto it = b.find(name);
    if (it == b.end())
      add(name, " (gone)");
    else if (it->second != bytes)
      add(name, " (changed)");
  }
  for (const auto& [name, bytes] : b)
    if (!a.count(name)) add(name, " (new)");
  return names.empty() ? "none" : names;
}

// Puts the folder back into `state`: files written over or created, files not in it removed
// (lock files are left alone).
inline void restoreFolder(const std::filesystem::path& folder, const FolderFiles& state) {
  std::filesystem::create_directories(folder);
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && !isLockFile(name) && !state.count(name))
      std::filesystem::remove(entry.path());
  }
  for (const auto& [name, bytes] : state) {
    const auto path = folder / name;
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && readFile(path) == bytes) continue;
    writeFile(path, bytes);
  }
}

// Copies a data directory (the settings file and every folder in it, without lock files) to
// `target`, which must not exist yet.
inline void copyDataDirectory(const std::filesystem::path& source, const std::filesystem::path& target) {
  std::filesystem::create_directories(target);
  for (const auto& entry : std::filesystem::directory_iterator(source)) {
    const auto to = target / entry.path().filename();
    if (entry.is_directory()) {
      std::filesystem::create_directories(to);
      for (const auto& file : std::filesystem::directory_iterator(entry.path()))
        if (file.is_regular_file() && !isLockFile(file.path().filename().string()))
          std::filesystem::copy_file(file.path(), to / file.path().filename());
    } else if (entry.is_regular_file()) {
      std::filesystem::copy_file(entry.path(), to);
    }
  }
}

}  // namespace vrk::test::robust
