// Secrets in a real Secret Service (a private gnome-keyring on a private
// bus): kept, read, moved with a site's name, removed; and the codes an
// older tarnel remembered in clear in tarnel.conf moved into it.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "sites/CodeMigration.h"
#include "sites/SecretStore.h"
#include "tests/support/PrivateKeyring.h"
#include "tests/support/TestSeams.h"

namespace {

using sites::Secret;
using sites::SecretKey;
using sites::SecretStore;
using Outcome = SecretStore::Outcome;

SecretStore& Store() { return SecretStore::instance(); }

TEST(Keyring, KeepsReadsAndRemovesASecret) {
  const QString key = SecretKey(QStringLiteral("Shop 12"), Secret::ModulePassword);
  EXPECT_EQ(key, QStringLiteral("site/Shop 12/module password"));
  EXPECT_EQ(Store().readNow(key).first, Outcome::NotFound);
  ASSERT_TRUE(Store().writeNow(key, QStringLiteral("installer1")));
  EXPECT_EQ(Store().readNow(key), std::make_pair(Outcome::Found, QStringLiteral("installer1")));
  ASSERT_TRUE(Store().writeNow(key, QStringLiteral("installer2")));
  EXPECT_EQ(Store().readNow(key).second, QStringLiteral("installer2"));
  ASSERT_TRUE(Store().writeNow(key, QString()));  // empty: gone
  EXPECT_EQ(Store().readNow(key).first, Outcome::NotFound);
  EXPECT_TRUE(Store().writeNow(key, QString()));  // removing what is not there is no failure
  EXPECT_TRUE(Store().available());
}

TEST(Keyring, SecretsFollowTheSiteWhenRenamedAndGoWithIt) {
  const QString old = QStringLiteral("Farm");
  const QString renamed = QStringLiteral("Farm (north)");
  ASSERT_TRUE(Store().writeNow(SecretKey(old, Secret::GsmPassword), QStringLiteral("4321")));
  ASSERT_TRUE(Store().writeNow(SecretKey(old, Secret::InstallerCode), QStringLiteral("9999")));
  Store().renameSite(old, renamed);
  ASSERT_TRUE(testseams::WaitFor([&] { return Store().readNow(SecretKey(old, Secret::InstallerCode)).first == Outcome::NotFound; }));
  EXPECT_EQ(Store().readNow(SecretKey(renamed, Secret::GsmPassword)).second, QStringLiteral("4321"));
  EXPECT_EQ(Store().readNow(SecretKey(renamed, Secret::InstallerCode)).second, QStringLiteral("9999"));
  EXPECT_EQ(Store().readNow(SecretKey(old, Secret::GsmPassword)).first, Outcome::NotFound);

  Store().removeSite(renamed);
  ASSERT_TRUE(testseams::WaitFor([&] { return Store().readNow(SecretKey(renamed, Secret::GsmPassword)).first == Outcome::NotFound; }));
  EXPECT_EQ(Store().readNow(SecretKey(renamed, Secret::InstallerCode)).first, Outcome::NotFound);
}

TEST(Keyring, CodesRememberedInClearMoveFromTheSettingsFileIntoTheKeyring) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("tarnel.conf"));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Address]\nUnit=10.0.0.5\n\n[Passwords]\nInstaller=2468\nUser=2580\n");
  }
  auto settings = std::make_shared<QSettings>(path, QSettings::IniFormat);
  ASSERT_TRUE(sites::SettingsHoldRememberedCodes(*settings));
  QString notice;
  QObject context;
  sites::MoveRememberedCodesToKeyring(settings, &context, [&](const QString& line) { notice = line; });
  ASSERT_TRUE(testseams::WaitFor([&] { return !notice.isEmpty(); }));
  EXPECT_EQ(notice, QStringLiteral("The codes remembered in tarnel.conf moved into the desktop keyring and out of the file."));
  EXPECT_EQ(Store().readNow(QStringLiteral("connection/user code")).second, QStringLiteral("2580"));
  EXPECT_EQ(Store().readNow(QStringLiteral("connection/installer code")).second, QStringLiteral("2468"));

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_FALSE(text.contains("2580")) << text.toStdString();
  EXPECT_FALSE(text.contains("2468"));
  EXPECT_TRUE(text.contains("Unit=10.0.0.5"));
  EXPECT_FALSE(sites::SettingsHoldRememberedCodes(QSettings(path, QSettings::IniFormat)));
}

}  // namespace
