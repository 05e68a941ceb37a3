#include "sites/SecretStore.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <qt6keychain/keychain.h>


namespace sites {
namespace {

const char* SecretWord(Secret secret) {
  switch (secret) {
    case Secret::ModulePassword: return "module password";
    case Secret::GsmPassword: return "GSM password";
    case Secret::InstallerCode: return "installer code";
    case Secret::UserCode: return "user code";
  }
  return "";
}

constexpr Secret kAllSecrets[] = {Secret::ModulePassword, Secret::GsmPassword, Secret::InstallerCode, Secret::UserCode};

}  // namespace

QString SecretKey(const QString& siteName, Secret secret) {
  const QString what = QString::fromLatin1(SecretWord(secret));
  return siteName.isEmpty() ? QStringLiteral("connection/") + what
                            : QStringLiteral("site/%1/%2").arg(siteName, what);
}

SecretStore& SecretStore::instance() {
  static SecretStore* store = new SecretStore;  // jobs may still answer while the program ends
  return *store;
}

QString SecretStore::UnavailableNotice(const QString& reason) {
  return tr("The desktop keyring does not answer (%1): passwords and codes are not kept, and are asked each time.")
      .arg(reason);
}

void SecretStore::markUnavailable(const QString& reason) {
  if (!available()) return;
  unavailableReason_ = reason.isEmpty() ? tr("no keyring service") : reason;
  emit keyringUnavailable(unavailableReason_);
}

void SecretStore::read(const QString& key, QObject* context, ReadDone done) {
  QPointer<QObject> guard(context);
  const bool guarded = context != nullptr;
  const auto answer = [guard, guarded, done](Outcome outcome, const QString& value) {
    if (done && (!guarded || guard)) done(outcome, value);
  };
  if (!available()) {
    // Still later, as a keyring would answer: callers need not care which.
    QMetaObject::invokeMethod(this, [answer] { answer(Outcome::NoKeyring, {}); }, Qt::QueuedConnection);
    return;
  }
  auto* job = new QKeychain::ReadPasswordJob(QString::fromLatin1(kService), this);
  job->setAutoDelete(true);
  job->setKey(key);
  connect(job, &QKeychain::Job::finished, this, [this, job, answer](QKeychain::Job*) {
    switch (job->error()) {
      case QKeychain::NoError: answer(Outcome::Found, job->textData()); break;
      case QKeychain::EntryNotFound: answer(Outcome::NotFound, {}); break;
      default:
        markUnavailable(job->errorString());
        answer(Outcome::NoKeyring, {});
        break;
    }
  });
  job->start();
}

void SecretStore::write(const QString& key, const QString& value, QObject* context, WriteDone done) {
  QPointer<QObject> guard(context);
  const bool guarded = context != nullptr;
  const auto answer = [guard, guarded, done](bool stored) {
    if (done && (!guarded || guard)) done(stored);
  };
  if (!available()) {
    QMetaObject::invokeMethod(this, [answer] { answer(false); }, Qt::QueuedConnection);
    return;
  }
  QKeychain::Job* job = nullptr;
  if (value.isEmpty()) {
    job = new QKeychain::DeletePasswordJob(QString::fromLatin1(kService), this);
  } else {
    auto* writer = new QKeychain::WritePasswordJob(QString::fromLatin1(kService), this);
    writer->setTextData(value);
    job = writer;
  }
  job->setAutoDelete(true);
  job->setKey(key);
  const bool removing = value.isEmpty();
  connect(job, &QKeychain::Job::finished, this, [this, job, answer, removing](QKeychain::Job*) {
    // Removing what is not there leaves what was asked for.
    const bool kept = job->error() == QKeychain::NoError || (removing && job->error() == QKeychain::EntryNotFound);
    if (!kept && job->error() != QKeychain::EntryNotFound) markUnavailable(job->errorString());
    answer(kept);
  });
  job->start();
}

void SecretStore::removeSite(const QString& siteName) {
  if (siteName.isEmpty()) return;
  for (Secret secret : kAllSecrets) write(SecretKey(siteName, secret), QString());
}

void SecretStore::renameSite(const QString& oldName, const QString& newName) {
  if (oldName == newName || oldName.isEmpty() || newName.isEmpty()) return;
  for (Secret secret : kAllSecrets) move(SecretKey(oldName, secret), SecretKey(newName, secret));
}

void SecretStore::move(const QString& from, const QString& to) {
  read(from, this, [this, from, to](Outcome outcome, const QString& value) {
    if (outcome != Outcome::Found) return;
    write(to, value, this, [this, from](bool stored) {
      if (stored) write(from, QString());
    });
  });
}

std::pair<SecretStore::Outcome, QString> SecretStore::readNow(const QString& key) {
  QEventLoop loop;
  std::pair<Outcome, QString> result{Outcome::NoKeyring, {}};
  bool answered = false;
  read(key, &loop, [&](Outcome outcome, const QString& value) {
    result = {outcome, value};
    answered = true;
    loop.quit();
  });
  if (!answered) loop.exec();
  return result;
}

bool SecretStore::writeNow(const QString& key, const QString& value) {
  QEventLoop loop;
  bool stored = false;
  bool answered = false;
  write(key, value, &loop, [&](bool done) {
    stored = done;
    answered = true;
    loop.quit();
  });
  if (!answered) loop.exec();
  return stored;
}

}  // namespace sites
