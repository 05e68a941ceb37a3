// Where no keyring answers (the test program's session bus is not there):
// said once, nothing kept, and codes remembered in tarnel.conf left where
// they are.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "sites/CodeMigration.h"
#include "sites/SecretStore.h"
#include "tests/support/TestSeams.h"

namespace {

using sites::SecretStore;

TEST(NoKeyring, IsSaidOnceAndNothingIsKept) {
  SecretStore& store = SecretStore::instance();
  QSignalSpy said(&store, &SecretStore::keyringUnavailable);
  EXPECT_EQ(store.readNow(QStringLiteral("site/Shop/module password")).first, SecretStore::Outcome::NoKeyring);
  EXPECT_FALSE(store.available());
  EXPECT_FALSE(store.writeNow(QStringLiteral("site/Shop/module password"), QStringLiteral("installer1")));
  EXPECT_EQ(store.readNow(QStringLiteral("site/Shop/installer code")).first, SecretStore::Outcome::NoKeyring);
  EXPECT_EQ(said.count(), 1);
  EXPECT_FALSE(store.unavailableReason().isEmpty());
}

TEST(NoKeyring, CodesRememberedInClearStayInTheFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("tarnel.conf"));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Passwords]\nUser=2580\n");
  }
  auto settings = std::make_shared<QSettings>(path, QSettings::IniFormat);
  QString notice;
  QObject context;
  sites::MoveRememberedCodesToKeyring(settings, &context, [&](const QString& line) { notice = line; });
  ASSERT_TRUE(testseams::WaitFor([&] { return !notice.isEmpty(); }));
  EXPECT_TRUE(notice.startsWith(QStringLiteral("No keyring answers ("))) << notice.toStdString();
  EXPECT_TRUE(notice.endsWith(QStringLiteral("): the codes remembered in tarnel.conf stay there until one does.")));
  EXPECT_EQ(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Passwords/User")).toString(), QStringLiteral("2580"));
}

}  // namespace
