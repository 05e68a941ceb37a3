// Stores large snapshots of one site in a loop until it is killed, for the
// test that kills it half-way through one. Prints a line once the first is in.
#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

#include "sites/SiteHistory.h"
#include "sites/SitesDatabase.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 3) return 2;
  sites::SitesDatabase database(arguments[1]);
  if (database.open() != sites::SitesDatabase::State::Ready) return 1;
  sites::SiteHistory history(database);
  const qint64 site = arguments[2].toLongLong();
  // About 2 MB of text each, every one different, so each is written in full.
  const QByteArray line = QByteArray("\"P60 area A\" = 30  # filler\n").repeated(75000);
  for (qint64 round = 0;; ++round) {
    const QByteArray text = "format = 1\n# round " + QByteArray::number(round) + "\n" + line;
    if (history.addSnapshot(site, text, QStringLiteral("2.10"), QStringLiteral("writer"),
                            QDateTime::currentDateTimeUtc(), QStringLiteral("writer"))
            .outcome == sites::SiteHistory::Stored::Outcome::Failed)
      return 1;
    if (round == 0) {
      std::puts("stored");
      std::fflush(stdout);
    }
  }
}
