#include "sites/CodeMigration.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSettings>
#include <memory>

#include "platform/PrivateSettings.h"
#include "sites/SecretStore.h"
#include "sites/SitesText.h"

namespace sites {
namespace {

struct OldCode {
  const char* key;
  Secret secret;
};
constexpr OldCode kOldCodes[] = {{"Passwords/User", Secret::UserCode}, {"Passwords/Installer", Secret::InstallerCode}};

}  // namespace

bool SettingsHoldRememberedCodes(const QSettings& settings) {
  for (const OldCode& old : kOldCodes)
    if (!settings.value(QLatin1String(old.key)).toString().isEmpty()) return true;
  return false;
}

void MoveRememberedCodesToKeyring(std::shared_ptr<QSettings> settings, QObject* context,
                                  std::function<void(const QString&)> done) {
  struct Move {
    std::shared_ptr<QSettings> settings;
    QPointer<QObject> context;
    std::function<void(const QString&)> done;
    int waiting = 0;
    bool allKept = true;
  };
  auto move = std::make_shared<Move>(Move{settings, context, std::move(done)});
  std::vector<std::pair<QString, QString>> codes;  // settings key, code
  for (const OldCode& old : kOldCodes) {
    const QString code = settings->value(QLatin1String(old.key)).toString();
    if (!code.isEmpty()) codes.emplace_back(QLatin1String(old.key), code);
  }
  move->waiting = static_cast<int>(codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const Secret secret = codes[i].first.endsWith(QLatin1String("User")) ? Secret::UserCode : Secret::InstallerCode;
    SecretStore::instance().write(SecretKey(QString(), secret), codes[i].second, nullptr, [move](bool kept) {
      move->allKept = move->allKept && kept;
      if (--move->waiting > 0 || !move->context) return;
      if (!move->allKept) {
        move->done(Tr("No keyring answers (%1): the codes remembered in tarnel.conf stay there until one does.")
                       .arg(SecretStore::instance().unavailableReason()));
        return;
      }
      {
        platform::PrivateSettingsWriter writer(*move->settings);
        for (const OldCode& old : kOldCodes) move->settings->remove(QLatin1String(old.key));
      }
      move->done(Tr("The codes remembered in tarnel.conf moved into the desktop keyring and out of the file."));
    });
  }
}

}  // namespace sites
