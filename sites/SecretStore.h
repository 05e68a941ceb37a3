#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <utility>

namespace sites {

// What tarnel keeps secret for a site.
enum class Secret { ModulePassword, GsmPassword, InstallerCode, UserCode };

// The keyring entry of a secret: "site/<name>/<what>" for a site, and
// "connection/<what>" for links made without one. By name, so that a list
// moved to another PC finds the secrets of a keyring that came along.
QString SecretKey(const QString& siteName, Secret secret);

// The desktop keyring (Secret Service on Linux, the platform's own store
// elsewhere) through QtKeychain, under the service "tarnel". Nothing secret
// goes anywhere else. A keyring that does not answer is an ordinary outcome:
// the first failure is announced once (keyringUnavailable), and from then on
// nothing is read or kept, so the program asks each time.
class SecretStore : public QObject {
  Q_OBJECT
 public:
  static constexpr char kService[] = "tarnel";

  enum class Outcome { Found, NotFound, NoKeyring };
  using ReadDone = std::function<void(Outcome, const QString&)>;
  using WriteDone = std::function<void(bool stored)>;

  static SecretStore& instance();

  // Each answers later, on this thread's event loop, unless context has gone.
  void read(const QString& key, QObject* context, ReadDone done);
  // An empty value removes the entry.
  void write(const QString& key, const QString& value, QObject* context = nullptr, WriteDone done = {});
  // Every secret of a site, when it is deleted.
  void removeSite(const QString& siteName);
  // Every secret of a site to its new name.
  void renameSite(const QString& oldName, const QString& newName);
  // One entry to another key: the old one goes once the new one is kept.
  void move(const QString& from, const QString& to);

  // The same for a program without a window: the event loop runs until the
  // keyring has answered.
  std::pair<Outcome, QString> readNow(const QString& key);
  bool writeNow(const QString& key, const QString& value);

  // False once the keyring failed to answer in this run.
  bool available() const { return unavailableReason_.isEmpty(); }
  QString unavailableReason() const { return unavailableReason_; }

  // The sentence the programs show once.
  static QString UnavailableNotice(const QString& reason);

 signals:
  void keyringUnavailable(const QString& reason);

 private:
  SecretStore() = default;
  void markUnavailable(const QString& reason);

  QString unavailableReason_;
};

}  // namespace sites
