#include "sim/SimConsole.h"

#include <QDateTime>
#include <unistd.h>

#include <cstdio>
#include <optional>

namespace sim {

void PrintSimLine(const QString& line) {
  std::fprintf(stdout, "sim: %s\n", line.toLocal8Bit().constData());
  std::fflush(stdout);
}

StdinCommands::StdinCommands(std::function<bool(const QString&)> handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), notifier_(STDIN_FILENO, QSocketNotifier::Read) {
  connect(&notifier_, &QSocketNotifier::activated, this, &StdinCommands::onReadable);
}

void StdinCommands::onReadable() {
  char buffer[4096];
  const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (n <= 0) {
    notifier_.setEnabled(false);
    return;
  }
  pending_.append(buffer, n);
  qsizetype newline;
  while ((newline = pending_.indexOf('\n')) >= 0) {
    const QString line = QString::fromUtf8(pending_.left(newline));
    pending_.remove(0, newline + 1);
    if (!handler_(line)) PrintSimLine(QStringLiteral("unknown command: %1").arg(line));
  }
}

namespace {

// "A", "B" or nothing (both areas); 0 for anything else.
std::uint8_t ParseAreas(const QStringList& words, qsizetype at) {
  if (words.size() <= at) return AlarmPanel::kAllAreas;
  if (words.size() > at + 1) return 0;
  const QString area = words[at].toUpper();
  if (area == QLatin1String("A")) return AlarmPanel::kAreaA;
  if (area == QLatin1String("B")) return AlarmPanel::kAreaB;
  if (area == QLatin1String("AB")) return AlarmPanel::kAllAreas;
  return 0;
}

// "on" / "off" at words[at], or `fallback` when the word is missing.
std::optional<bool> ParseSwitch(const QStringList& words, qsizetype at, std::optional<bool> fallback) {
  if (words.size() <= at) return fallback;
  if (words.size() > at + 1) return std::nullopt;
  if (words[at].compare(QLatin1String("on"), Qt::CaseInsensitive) == 0) return true;
  if (words[at].compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) return false;
  return std::nullopt;
}

int ParseNumber(const QStringList& words, qsizetype at) {
  bool ok = false;
  const int n = words.size() > at ? words[at].toInt(&ok) : 0;
  return ok ? n : 0;
}

}  // namespace

bool ParseRawBytes(const QStringList& words, std::vector<std::uint8_t>& bytes) {
  for (qsizetype i = 1; i < words.size(); ++i) {
    bool ok = false;
    const uint value = words[i].toUInt(&ok, 16);
    if (!ok || value > 0xFF) return false;
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return true;
}

bool RunPanelCommand(PanelModel& model, const QStringList& words) {
  if (words.isEmpty()) return false;
  const QString verb = words.first().toLower();
  const QString what = words.size() > 1 ? words[1].toLower() : QString();
  AlarmPanel& panel = model.panel();
  bool done = false;

  if (verb == QLatin1String("zone") && words.size() >= 3) {
    const int zone = ParseNumber(words, 2);
    if (what == QLatin1String("open") && words.size() == 3) done = panel.setZoneOpen(zone, true);
    else if (what == QLatin1String("close") && words.size() == 3) done = panel.setZoneOpen(zone, false);
    else if (what == QLatin1String("alarm") && words.size() == 3) done = panel.raiseZoneAlarm(zone);
    else if (what == QLatin1String("tamper")) {
      const std::optional<bool> on = ParseSwitch(words, 3, true);
      done = on && panel.setZoneTamper(zone, *on);
    }
  } else if (verb == QLatin1String("trouble") && words.size() == 3) {
    const std::optional<bool> on = ParseSwitch(words, 2, std::nullopt);
    static const std::pair<const char*, AlarmPanel::Trouble> kTroubles[] = {
        {"battery", AlarmPanel::kBattery}, {"power", AlarmPanel::kPower},
        {"fuse", AlarmPanel::kFuse},       {"line", AlarmPanel::kLine}};
    for (const auto& [name, trouble] : kTroubles) {
      if (on && what == QLatin1String(name)) {
        panel.setTrouble(trouble, *on);
        done = true;
      }
    }
  } else if (verb == QLatin1String("output") && words.size() == 3) {
    if (what == QLatin1String("on") || what == QLatin1String("off"))
      done = panel.setOutput(ParseNumber(words, 2), what == QLatin1String("on"));
  } else if (verb == QLatin1String("arm") || verb == QLatin1String("stay") || verb == QLatin1String("disarm")) {
    const std::uint8_t areas = ParseAreas(words, 1);
    if (areas != 0) {
      if (verb == QLatin1String("arm")) panel.arm(areas);
      else if (verb == QLatin1String("stay")) panel.stayArm(areas);
      else panel.disarm(areas);
      done = true;
    }
  } else if (verb == QLatin1String("clock") && words.size() == 3) {
    const QDateTime when = QDateTime::fromString(words[1] + QLatin1Char(' ') + words[2],
                                                 QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (when.isValid() && when.date().year() >= 2000 && when.date().year() <= 2255) {
      std::tm tm{};
      tm.tm_year = when.date().year() - 1900;
      tm.tm_mon = when.date().month() - 1;
      tm.tm_mday = when.date().day();
      tm.tm_hour = when.time().hour();
      tm.tm_min = when.time().minute();
      tm.tm_sec = when.time().second();
      tm.tm_isdst = -1;
      model.setClock(tm);
      model.sendClock();
      return true;
    }
  } else if (verb == QLatin1String("status") && words.size() == 1) {
    for (const std::string& text : panel.describe()) PrintSimLine(QString::fromStdString(text));
    return true;
  }
  if (done) model.publishChanges();
  return done;
}

}  // namespace sim
