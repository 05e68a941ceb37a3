#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "link/LinkSettings.h"

namespace panel {
namespace {

TEST(LinkSettings, OverridesWhatIsSetAndKeepsDefaultsForTheRest) {
  QTemporaryDir dir;
  QSettings settings(dir.filePath(QStringLiteral("tarnel.conf")), QSettings::IniFormat);
  EXPECT_EQ(LoadLinkSecrets(settings).constants, DefaultLinkSecrets().constants);

  settings.setValue(QStringLiteral("Link/K1"), QStringLiteral("DEADBEEF"));
  settings.setValue(QStringLiteral("Link/K3"), QStringLiteral("not hex"));
  settings.setValue(QStringLiteral("Link/AccessCode"), QStringLiteral("4242"));
  const LinkSecrets secrets = LoadLinkSecrets(settings);
  EXPECT_EQ(secrets.constants.k1, 0xDEADBEEFu);
  EXPECT_EQ(secrets.constants.k2, DefaultLinkSecrets().constants.k2);
  EXPECT_EQ(secrets.constants.k3, DefaultLinkSecrets().constants.k3);
  EXPECT_EQ(std::string(secrets.accessCode.data(), 4), "4242");

  settings.setValue(QStringLiteral("Link/AccessCode"), QStringLiteral("12345"));
  EXPECT_EQ(LoadLinkSecrets(settings).accessCode, DefaultLinkSecrets().accessCode);
}

}  // namespace
}  // namespace panel
