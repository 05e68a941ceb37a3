#include "tests/support/PrivateKeyring.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>

#include "tests/support/TestSeams.h"

namespace testseams {
namespace {

// A session bus that starts nothing on demand: the keyring is ours alone.
const char kBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

// gnome-keyring asks for a password it cannot prompt for when it gets an empty one.
const char kKeyringPassword[] = "test-keyring-password";

}  // namespace

PrivateKeyring::~PrivateKeyring() { stop(); }

bool PrivateKeyring::start(QString& error) {
  if (!dir_.isValid()) {
    error = QStringLiteral("no temporary folder");
    return false;
  }
  QFile config(dir_.filePath(QStringLiteral("bus.conf")));
  if (!config.open(QIODevice::WriteOnly)) {
    error = config.errorString();
    return false;
  }
  config.write(QString::fromLatin1(kBusConfig).arg(dir_.filePath(QStringLiteral("bus"))).toUtf8());
  config.close();

  bus_ = std::make_unique<QProcess>();
  bus_->start(QStringLiteral("dbus-daemon"), {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                                              QStringLiteral("--config-file=") + config.fileName()});
  if (!bus_->waitForStarted(5000)) {
    error = QStringLiteral("dbus-daemon does not start: ") + bus_->errorString();
    return false;
  }
  if (!WaitFor([&] { return bus_->canReadLine(); }, 5000)) {
    error = QStringLiteral("dbus-daemon printed no address: ") + QString::fromLocal8Bit(bus_->readAllStandardError());
    return false;
  }
  address_ = QString::fromUtf8(bus_->readLine()).trimmed();
  qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());

  for (const char* sub : {"home", "data", "runtime"}) QDir(dir_.path()).mkpath(QString::fromLatin1(sub));
  QFile::setPermissions(dir_.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QProcessEnvironment keyringEnvironment = environment();
  keyringEnvironment.insert(QStringLiteral("HOME"), dir_.filePath(QStringLiteral("home")));
  keyringEnvironment.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
  keyringEnvironment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.filePath(QStringLiteral("runtime")));
  keyring_ = std::make_unique<QProcess>();
  keyring_->setProcessEnvironment(keyringEnvironment);
  keyring_->start(QStringLiteral("gnome-keyring-daemon"),
                  {QStringLiteral("--foreground"), QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
  if (!keyring_->waitForStarted(5000)) {
    error = QStringLiteral("gnome-keyring-daemon does not start: ") + keyring_->errorString();
    return false;
  }
  keyring_->write(kKeyringPassword);
  keyring_->closeWriteChannel();

  // Our own connection to ask the bus, apart from the one the program uses.
  const QString name = QStringLiteral("private-keyring-probe");
  bool up = false;
  {
    QDBusConnection probe = QDBusConnection::connectToBus(address_, name);
    up = WaitFor([&] { return probe.interface() && probe.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets")); },
                 10000);
  }
  QDBusConnection::disconnectFromBus(name);
  if (!up) {
    error = QStringLiteral("the keyring did not come up: ") + QString::fromLocal8Bit(keyring_->readAllStandardError());
    return false;
  }
  return true;
}

void PrivateKeyring::stop() {
  for (std::unique_ptr<QProcess>* process : {&keyring_, &bus_}) {
    if (!*process) continue;
    if ((*process)->state() != QProcess::NotRunning) {
      (*process)->terminate();
      if (!(*process)->waitForFinished(3000)) {
        (*process)->kill();
        (*process)->waitForFinished(3000);
      }
    }
    process->reset();
  }
}

QProcessEnvironment PrivateKeyring::environment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
  return environment;
}

PrivateKeyring& PrivateKeyringEnvironment::keyring() {
  static PrivateKeyring keyring;
  return keyring;
}

void PrivateKeyringEnvironment::SetUp() {
  // Each file of a test program may ask for it; one keyring serves them all.
  if (!keyring_.busAddress().isEmpty()) return;
  QString error;
  ASSERT_TRUE(keyring_.start(error)) << error.toStdString();
}

}  // namespace testseams
