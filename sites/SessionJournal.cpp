#include "sites/SessionJournal.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

#include "sites/PcUser.h"
#include "sites/SitesDatabase.h"
#include "sites/SitesText.h"

namespace sites {

namespace {

// UTC with milliseconds, as snapshots are stamped, so that entries of a site sort by time as text.
QString Now() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs); }

QVariant Hex(const std::optional<std::string>& value) {
  return value ? QVariant(QString::fromStdString(*value)) : QVariant(QMetaType(QMetaType::QString));
}

bool g_toldUnavailable = false;

}  // namespace

bool SessionLog::failed(const QString& why) {
  problem_ = why;
  return false;
}

qint64 SessionLog::start(qint64 siteId, Kind kind, const QString& source) {
  if (database_.state() != SitesDatabase::State::Ready) {
    failed(database_.problem());
    return 0;
  }
  QSqlQuery query(database_.connection());
  query.prepare(QStringLiteral("INSERT INTO sessions (site_id, started_at, pc_user, kind, outcome, source) "
                               "VALUES (?, ?, ?, ?, 'running', ?)"));
  query.addBindValue(siteId);
  query.addBindValue(Now());
  query.addBindValue(PcUserName());
  query.addBindValue(kind == Kind::Restore ? QStringLiteral("restore") : QStringLiteral("editors"));
  query.addBindValue(source.isNull() ? QStringLiteral("") : source);
  if (!query.exec()) {
    failed(query.lastError().text());
    return 0;
  }
  return query.lastInsertId().toLongLong();
}

bool SessionLog::record(qint64 session, const history::ParameterChange& change) {
  QSqlQuery query(database_.connection());
  query.prepare(QStringLiteral(
      "INSERT INTO session_changes (session_id, parameter, entity, before_value, after_value) VALUES (?, ?, ?, ?, ?) "
      "ON CONFLICT (session_id, parameter, entity) DO UPDATE SET before_value = excluded.before_value, "
      "after_value = excluded.after_value"));
  query.addBindValue(session);
  query.addBindValue(change.parameter);
  query.addBindValue(change.entity);
  query.addBindValue(Hex(change.before));
  query.addBindValue(Hex(change.after));
  return query.exec() || failed(query.lastError().text());
}

bool SessionLog::end(qint64 session, Outcome outcome) {
  QSqlQuery query(database_.connection());
  query.prepare(QStringLiteral("UPDATE sessions SET ended_at = ?, outcome = ? WHERE id = ?"));
  query.addBindValue(Now());
  query.addBindValue(outcome == Outcome::LinkLost ? QStringLiteral("link lost") : QStringLiteral("ended"));
  query.addBindValue(session);
  return query.exec() || failed(query.lastError().text());
}

// ---- the live session

SessionJournal::SessionJournal(SitesDatabase& database, qint64 siteId, SessionLog::Kind kind, const QString& source,
                               std::function<void(const QString&)> tell, QObject* parent)
    : QObject(parent), log_(database), tell_(std::move(tell)), batchTimer_(this) {
  session_ = log_.start(siteId, kind, source);
  if (session_ == 0) unavailable(log_.problem());
  // A restore reads back what it wrote once it has written it all: those
  // replies are the session's "after", and only what they miss is read again.
  if (kind == SessionLog::Kind::Restore) recorder_.startReadBack();
  recorder_.onChange = [this](const history::ParameterChange& change) { store(change); };
  connect(&batchTimer_, &platform::OneShotTimer::timeout, this, [this] {
    // What did not answer in time keeps no "after".
    batch_.clear();
    sendBatch();
  });
}

SessionJournal::~SessionJournal() = default;

void SessionJournal::unavailable(const QString& why) {
  if (g_toldUnavailable) return;
  g_toldUnavailable = true;
  if (tell_) tell_(Tr("Program-mode sessions are not put down in the site's history: %1").arg(why));
}

void SessionJournal::store(const history::ParameterChange& change) {
  if (session_ == 0 || ended_) return;
  if (!log_.record(session_, change)) unavailable(log_.problem());
}

void SessionJournal::received(const std::uint8_t* frame, std::size_t length) {
  recorder_.received(frame, length);
  if (done_ && !sending_ && !batch_.empty() && batchAnswered()) {
    batchTimer_.stop();
    sendBatch();
  }
}

void SessionJournal::readBack(Send send, std::function<void()> done) {
  if (session_ == 0 || ended_ || done_) {
    done();
    return;
  }
  send_ = std::move(send);
  done_ = std::move(done);
  recorder_.startReadBack();
  toRead_ = recorder_.awaitingReadBack();
  sendBatch();
}

bool SessionJournal::batchAnswered() const {
  const std::vector<history::SessionRecorder::Address> awaiting = recorder_.awaitingReadBack();
  return std::ranges::none_of(batch_, [&](const auto& address) { return std::ranges::count(awaiting, address) > 0; });
}

void SessionJournal::sendBatch() {
  for (;;) {
    if (toRead_.empty()) {
      batch_.clear();
      // The callback may end this journal.
      if (const std::function<void()> done = std::exchange(done_, nullptr)) done();
      return;
    }
    const auto count = std::min(toRead_.size(), kReadsPerBatch);
    batch_.assign(toRead_.begin(), toRead_.begin() + static_cast<std::ptrdiff_t>(count));
    toRead_.erase(toRead_.begin(), toRead_.begin() + static_cast<std::ptrdiff_t>(count));
    panel::FrameBytes reads;
    for (const auto& [parameter, entity] : batch_) reads.append(panel::ParamReadRequest(parameter, entity));
    sending_ = true;
    send_(reads);
    sending_ = false;
    if (!done_) return;  // ended while sending
    if (!batchAnswered()) {
      batchTimer_.start(kReadBackWaitMs);
      return;
    }
  }
}

void SessionJournal::end(SessionLog::Outcome outcome) {
  if (ended_) return;
  if (session_ != 0 && !log_.end(session_, outcome)) unavailable(log_.problem());
  ended_ = true;
  batchTimer_.stop();
  toRead_.clear();
  batch_.clear();
  // Whoever waits for the read-back goes on; what is left unread stays without "after".
  if (const std::function<void()> done = std::exchange(done_, nullptr)) done();
}

}  // namespace sites
