#include "sim/SimConsole.h"

#include <QDateTime>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>

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
  if (n > 0) {
    pending_.append(buffer, n);
  } else {
    notifier_.setEnabled(false);
    if (pending_.isEmpty()) return;
    pending_.append('\n');  // a last command without its newline still counts
  }
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

// A decimal byte at words[at] (no sign), or nothing.
std::optional<std::uint8_t> ParseByte(const QStringList& words, qsizetype at) {
  if (words.size() <= at || words[at].startsWith(QLatin1Char('+'))) return std::nullopt;
  bool ok = false;
  const uint n = words[at].toUInt(&ok, 10);
  if (!ok || n > 0xFF) return std::nullopt;
  return static_cast<std::uint8_t>(n);
}

QString ParamName(std::uint8_t parameter, std::uint8_t entity) {
  return QStringLiteral("param %1/%2").arg(parameter).arg(entity);
}

void PrintParam(const ParameterStore& store, const params::PanelParameter& p, std::uint8_t entity) {
  PrintSimLine(ParamName(p.parameter, entity) + QStringLiteral(" = ") +
               QString::fromStdString(params::FormatValue(p, *store.value(p.parameter, entity))));
}

// param P E [VALUE]: show or set one value.
bool ParamCommand(ParameterStore& store, const QStringList& words) {
  const std::optional<std::uint8_t> parameter = ParseByte(words, 1);
  const std::optional<std::uint8_t> entity = ParseByte(words, 2);
  if (!parameter || !entity) return false;
  const params::PanelParameter* p = params::FindPanelParameter(*parameter, *entity);
  const QString name = ParamName(*parameter, *entity);
  if (p == nullptr) {
    PrintSimLine(QStringLiteral("refused %1: no such parameter").arg(name));
    return true;
  }
  if (words.size() > 3) {
    const std::string text = words.mid(3).join(QLatin1Char(' ')).toStdString();
    const std::optional<params::Value> value = params::ParseValue(*p, text);
    if (!value) {
      PrintSimLine(QStringLiteral("refused %1: expected %2").arg(name, QString::fromStdString(params::ValueSyntax(*p))));
      return true;
    }
    store.set(*parameter, *entity, *value);
  }
  PrintParam(store, *p, *entity);
  return true;
}

// user N, phone N: every parameter of that user or phone slot, in catalogue order.
bool EntityCommand(const ParameterStore& store, const QStringList& words, std::initializer_list<std::string_view> kinds,
                   int last) {
  const std::optional<std::uint8_t> entity = ParseByte(words, 1);
  if (words.size() != 2 || !entity || *entity < 1 || *entity > last) return false;
  for (const params::PanelParameter& p : params::PanelParameters()) {
    if (p.entities.contains(*entity) && std::find(kinds.begin(), kinds.end(), p.entityName) != kinds.end())
      PrintParam(store, p, *entity);
  }
  return true;
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
    // Date and time apart: the panel's clock has no time zone, so an hour
    // the host's zone skips (a daylight-saving change) is still a panel time.
    const QDate date = QDate::fromString(words[1], QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(words[2], QStringLiteral("HH:mm:ss"));
    if (date.isValid() && time.isValid() && date.year() >= 2000 && date.year() <= 2255) {
      std::tm tm{};
      tm.tm_year = date.year() - 1900;
      tm.tm_mon = date.month() - 1;
      tm.tm_mday = date.day();
      tm.tm_hour = time.hour();
      tm.tm_min = time.minute();
      tm.tm_sec = time.second();
      tm.tm_wday = date.dayOfWeek() % 7;  // Qt counts Monday 1 .. Sunday 7
      model.setClock(tm);
      model.sendClock();
      return true;
    }
  } else if (verb == QLatin1String("param") && words.size() >= 3) {
    return ParamCommand(panel.parameters(), words);
  } else if (verb == QLatin1String("user")) {
    return EntityCommand(panel.parameters(), words, {"user", "radio user"}, ParameterStore::kUsers);
  } else if (verb == QLatin1String("phone")) {
    return EntityCommand(panel.parameters(), words, {"phone"}, 8);
  } else if (verb == QLatin1String("status") && words.size() == 1) {
    for (const std::string& text : panel.describe()) PrintSimLine(QString::fromStdString(text));
    return true;
  }
  if (done) model.publishChanges();
  return done;
}

}  // namespace sim
