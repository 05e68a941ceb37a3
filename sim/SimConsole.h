#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/panelmodel/PanelModel.h"

namespace sim {

// One "sim: ..." line on standard output, flushed at once so tests and
// scripts that wait for it see it.
void PrintSimLine(const QString& line);

// Command lines on standard input, one handler call per line. A line the
// handler refuses is answered with "unknown command: ...". End of input
// only stops the reading; the simulator runs on.
class StdinCommands : public QObject {
  Q_OBJECT
 public:
  explicit StdinCommands(std::function<bool(const QString& line)> handler, QObject* parent = nullptr);

 private:
  void onReadable();

  std::function<bool(const QString&)> handler_;
  QSocketNotifier notifier_;
  QByteArray pending_;
};

// The commands that act on the panel itself, shared by every transport
// (zones 1-16, outputs 1-8, areas A or B, both when left out):
//   zone open N | zone close N | zone alarm N | zone tamper N [on|off]
//   trouble battery|power|fuse|line on|off
//   output on N | output off N
//   arm [A|B] | stay [A|B] | disarm [A|B]
//   clock YYYY-MM-DD HH:MM:SS
//   param P E | param P E VALUE      show or set a parameter ("sim: param P/E = VALUE",
//                                    or "sim: refused param P/E: <reason>")
//   user N | phone N                 every parameter of user N (1-100) / phone slot N (1-8)
//   status
// Returns false for a line that is not one of these.
bool RunPanelCommand(PanelModel& model, const QStringList& words);

// "raw 7E 12 ..." (hex bytes, blank-separated) into bytes; false if any word is not a byte.
bool ParseRawBytes(const QStringList& words, std::vector<std::uint8_t>& bytes);

}  // namespace sim
