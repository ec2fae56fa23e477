#include "platform/settings.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "core/store/store_error.h"

namespace vrk::platform {
namespace {

// The key \Software\VRK as a QSettings group path, split into parent and own name.
const QString kParentGroup = QStringLiteral("Software");
const QString kKeyName = QStringLiteral("VRK");

class QtSettingsStore : public services::SettingsStore {
 public:
  QtSettingsStore(std::unique_ptr<QSettings> settings, bool registry)
      : settings_(std::move(settings)), registry_(registry) {}

  bool keyExists() const override {
    checkReadable();
    settings_->beginGroup(kParentGroup);
    const bool exists = settings_->childGroups().contains(kKeyName);
    settings_->endGroup();
    return exists;
  }

  void createKey() override {
    if (keyExists()) return;
    const QString marker = entry(kKeyMarker);
    settings_->setValue(marker, QStringLiteral("1"));
    if (registry_) settings_->remove(marker);  // the registry key itself stays
    syncOrThrow();
  }

  std::string location() const override {
    return registry_ ? std::string("HKEY_CURRENT_USER") + services::kSettingsKey : file().string();
  }

  std::string readString(const std::string& name) const override {
    checkReadable();
    const QVariant value = settings_->value(entry(name));
    // A hand-edited INI value with an unquoted comma reads back as a list: keep the text.
    if (value.typeId() == QMetaType::QStringList)
      return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
  }

  void writeString(const std::string& name, const std::string& value) override {
    settings_->setValue(entry(name), QString::fromStdString(value));
    syncOrThrow();
  }

 private:
  static QString entry(const std::string& name) {
    return kParentGroup + QLatin1Char('/') + kKeyName + QLatin1Char('/') + QString::fromStdString(name);
  }

  std::filesystem::path file() const {
    return std::filesystem::path(settings_->fileName().toStdU16String());
  }

  // Picks up changes another program (vrk-batch, a second session) made to the file meanwhile.
  void checkReadable() const {
    settings_->sync();
    if (settings_->status() == QSettings::AccessError)
      throw store::StoreError(file(), "The settings cannot be read");
    if (settings_->status() == QSettings::FormatError)
      throw store::StoreError(file(), "The settings file is damaged");
  }

  void syncOrThrow() {
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
      throw store::StoreError(file(), "The settings cannot be written");
  }

  std::unique_ptr<QSettings> settings_;
  bool registry_;
};

}  // namespace

std::unique_ptr<services::SettingsStore> openSettingsStore(const std::string& overrideFile) {
  QString file = QString::fromStdString(overrideFile);
  if (file.isEmpty()) file = qEnvironmentVariable(kSettingsFileVariable);
  if (!file.isEmpty())
    return std::make_unique<QtSettingsStore>(std::make_unique<QSettings>(file, QSettings::IniFormat), false);
#ifdef Q_OS_WIN
  return std::make_unique<QtSettingsStore>(
      std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat), true);
#else
  return std::make_unique<QtSettingsStore>(
      std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VRK"),
                                  QStringLiteral("VRK")),
      false);
#endif
}

}  // namespace vrk::platform
