#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "core/history/SessionRecorder.h"
#include "core/link/PanelFrames.h"
#include "platform/Timing.h"

namespace sites {

class SitesDatabase;

// The sessions and session_changes rows of the sites list. Each call is one
// statement, so a row is on disk as soon as the call returns: a session that
// a crash or a lost link ends keeps everything written up to then.
class SessionLog {
 public:
  enum class Kind { Editors, Restore };
  enum class Outcome { Ended, LinkLost };

  explicit SessionLog(SitesDatabase& database) : database_(database) {}

  // The new session's id, or 0 when the list cannot take it (problem() says why).
  qint64 start(qint64 siteId, Kind kind, const QString& source);
  bool record(qint64 session, const history::ParameterChange& change);
  bool end(qint64 session, Outcome outcome);
  QString problem() const { return problem_; }

 private:
  bool failed(const QString& why);

  SitesDatabase& database_;
  QString problem_;
};

// One program-mode session on a site, journalled as it goes: it watches what
// the send path sends and what the receive path receives, writes a change
// row when a parameter is first written and updates it as the panel reports
// its values. At the end, before program mode is left, readBack() reads
// every written parameter again, so that "after" is what the panel holds.
// Where the sites list cannot be written the session runs as it would
// without a journal; `tell` says so once per program run.
class SessionJournal : public QObject {
  Q_OBJECT
 public:
  using Send = std::function<void(const panel::FrameBytes&)>;

  // How long a batch of read-back requests waits for its replies; a round
  // trip on a GSM call fits with room to spare.
  static constexpr int kReadBackWaitMs = 2000;
  // Requests per send, as the editors batch them.
  static constexpr std::size_t kReadsPerBatch = 8;

  SessionJournal(SitesDatabase& database, qint64 siteId, SessionLog::Kind kind, const QString& source,
                 std::function<void(const QString&)> tell, QObject* parent = nullptr);
  ~SessionJournal() override;

  void sent(std::span<const std::uint8_t> bytes) { recorder_.sent(bytes); }
  void received(const std::uint8_t* frame, std::size_t length);

  // Reads back what the session wrote and has not read back since, through
  // `send`; `done` follows once every batch was answered or timed out.
  void readBack(Send send, std::function<void()> done);
  bool readingBack() const { return static_cast<bool>(done_); }
  // The session's end; later calls change nothing.
  void end(SessionLog::Outcome outcome);

  qint64 sessionId() const { return session_; }
  const std::vector<history::ParameterChange>& changes() const { return recorder_.changes(); }

 private:
  void store(const history::ParameterChange& change);
  void sendBatch();
  bool batchAnswered() const;
  void unavailable(const QString& why);

  SessionLog log_;
  std::function<void(const QString&)> tell_;
  history::SessionRecorder recorder_;
  qint64 session_ = 0;
  bool ended_ = false;

  Send send_;
  std::function<void()> done_;
  bool sending_ = false;
  std::vector<history::SessionRecorder::Address> toRead_;
  std::vector<history::SessionRecorder::Address> batch_;
  platform::OneShotTimer batchTimer_;
};

}  // namespace sites
