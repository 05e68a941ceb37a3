#include "console/AccessPasswordStore.h"

#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <random>

#include "core/link/AccessPasswordBytes.h"
#include "link/PanelLink.h"
#include "platform/PrivateSettings.h"

namespace console {

QString g_strPcPassword;

namespace {

constexpr auto kGroup = "CLSID/{2FEC9B40-459E-423B-B677-ACE9191EC33E}";
AccessPasswordStore* g_installed = nullptr;

// A fresh prefix for every store, also twice in one second.
std::uint8_t RandomByte() {
  static std::random_device device;
  return static_cast<std::uint8_t>(device() & 0xFF);
}

int ErrorCode(QSettings::Status status) {
  return status == QSettings::AccessError ? EACCES : EIO;
}

}  // namespace

AccessPasswordStore::AccessPasswordStore(QString filePath) : path_(std::move(filePath)) {}
AccessPasswordStore::~AccessPasswordStore() = default;

QString AccessPasswordStore::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Vell/tarnel-access.conf");
}

bool AccessPasswordStore::open() {
  auto settings = std::make_unique<QSettings>(path_, QSettings::IniFormat);
  // Kept like tarnel's settings file: its owner's alone from the first write on.
  if (!platform::MakeSettingsFilePrivate(*settings) || settings->status() != QSettings::NoError) return false;
  settings_ = std::move(settings);
  return true;
}

int AccessPasswordStore::writeValue(const QString& name, const QByteArray& bytes) {
  {
    platform::PrivateSettingsWriter writer(*settings_);
    writer.setValue(QLatin1String(kGroup) + QLatin1Char('/') + name, bytes);
  }
  return settings_->status() == QSettings::NoError ? 0 : ErrorCode(settings_->status());
}

int AccessPasswordStore::store(const std::string& password) { return writePassword(password); }

int AccessPasswordStore::writePassword(const std::string& password) {
  if (!settings_ && !open()) return EACCES;
  panel::Challenge prefix{};
  for (auto& b : prefix) b = RandomByte();
  const std::vector<std::uint8_t> timeset =
      ScrambleAccessPassword(prefix, password, panel::PanelLink::instance().secrets().constants);
  if (const int error = writeValue(QStringLiteral("TIMESET"),
                                   QByteArray(reinterpret_cast<const char*>(timeset.data()),
                                              static_cast<qsizetype>(timeset.size()))))
    return error;
  QByteArray filler(static_cast<qsizetype>(password.size() + kPasswordFillerExtra), '\0');
  for (auto& b : filler) b = static_cast<char>(RandomByte());
  return writeValue(QStringLiteral("PASSWORD"), filler);
}

int AccessPasswordStore::verify(const std::string& text) {
  if (!settings_ && !open()) return EACCES;
  settings_->sync();
  const QString key = QLatin1String(kGroup) + QStringLiteral("/TIMESET");
  if (settings_->status() != QSettings::NoError || !settings_->contains(key)) {
    if (const int error = writePassword(std::string())) return error;
    return kNoAccessPassword;
  }
  const QByteArray value = settings_->value(key).toByteArray();
  return CompareAccessPassword(
      std::span(reinterpret_cast<const std::uint8_t*>(value.constData()), static_cast<std::size_t>(value.size())),
      text, panel::PanelLink::instance().secrets().constants);
}

AccessPasswordStore& AccessPasswordStore::current() {
  if (g_installed) return *g_installed;
  static AccessPasswordStore fallback;
  return fallback;
}

void AccessPasswordStore::install(AccessPasswordStore* store) { g_installed = store; }

}  // namespace console
