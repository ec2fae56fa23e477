// The per-user settings: key \Software\VRK with three string values; the key is the first-run marker.
#pragma once

#include <map>
#include <string>

namespace vrk::services {

inline constexpr const char* kSettingsKey = "\\Software\\VRK";
inline constexpr const char* kDataFilesPath = "DataFilesPath";
inline constexpr const char* kBackupDataFilesPath = "BackupDataFilesPath";
inline constexpr const char* kNextInvoiceNumber = "NextInvoiceNumber";

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual bool keyExists() const = 0;          // false on the first run
  virtual void createKey() = 0;                // creates the key (no values yet)
  virtual std::string readString(const std::string& name) const = 0;  // missing value: ""
  virtual void writeString(const std::string& name, const std::string& value) = 0;  // creates the key
  // Where the settings are kept (a file or a registry key), for the user to see; "" in memory.
  virtual std::string location() const { return {}; }
};

// Settings held in memory (tests).
class MemorySettingsStore : public SettingsStore {
 public:
  bool keyExists() const override { return exists_; }
  void createKey() override { exists_ = true; }
  std::string readString(const std::string& name) const override {
    const auto it = values_.find(name);
    return it == values_.end() ? std::string() : it->second;
  }
  void writeString(const std::string& name, const std::string& value) override {
    exists_ = true;
    values_[name] = value;
  }

 private:
  bool exists_ = false;
  std::map<std::string, std::string> values_;
};

}  // namespace vrk::services
