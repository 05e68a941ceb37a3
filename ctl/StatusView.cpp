#include "ctl/StatusView.h"

#include <QCoreApplication>
#include <QStringList>
#include <variant>

#include "ctl/CtlText.h"

namespace ctl {
namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

// "A B", "A", or "-".
QString Areas(std::uint8_t bits) {
  QStringList areas;
  if (bits & 0x01) areas << QStringLiteral("A");
  if (bits & 0x02) areas << QStringLiteral("B");
  return areas.isEmpty() ? QStringLiteral("-") : areas.join(QLatin1Char(' '));
}

QString Numbers(unsigned bits, int count) {
  QStringList numbers;
  for (int i = 0; i < count; ++i)
    if ((bits >> i) & 1u) numbers << QString::number(i + 1);
  return numbers.isEmpty() ? QStringLiteral("-") : numbers.join(QLatin1Char(' '));
}

QString Unknown() { return Tr("unknown"); }

}  // namespace

void StatusView::apply(const console::StatusFrame& frame) {
  std::visit(Overloaded{
                 [](const auto&) {},
                 [this](const console::LampsStatus& s) { lamps = s; },
                 [this](const console::ArmingStatus& s) { arming = s; },
                 [this](const console::ZoneGroupStatus& s) {
                   zones[s.first == 0 ? 0 : 1] = s;
                   bypassed.reset();
                 },
                 [this](const console::ReadinessStatus& s) { readyAreas = s.readyAreas; },
                 [this](const console::BypassedZonesStatus& s) { bypassed = s.zones; },
                 [this](const console::OutputsStatus& s) { outputs = s.on; },
                 [this](const console::VersionStatus& s) { version = s.text; },
                 [this](const console::ClockStatus& s) { clock = s.text; },
             },
             frame.content);
}

bool StatusView::complete() const { return version && clock && lamps && arming && zones[0] && zones[1] && outputs; }

QString FormatStatus(const StatusView& view) {
  QStringList lines;
  const auto line = [&lines](const QString& name, const QString& value) {
    lines << QStringLiteral("%1 %2").arg((name + QLatin1Char(':')).leftJustified(16), value);
  };
  line(Tr("version"), view.version ? QString::fromStdString(*view.version) : Unknown());
  line(Tr("clock"), view.clock ? QString::fromStdString(*view.clock).simplified() : Unknown());
  line(Tr("mode"), !view.lamps ? Unknown() : view.programMode() ? Tr("program") : Tr("command"));
  line(Tr("ready"), view.readyAreas ? Areas(*view.readyAreas) : Unknown());
  const auto areas = [&view](std::uint8_t steady, std::uint8_t blinking) {
    QString text = Areas(steady);
    if (blinking) text += QLatin1Char(' ') + Tr("(arming: %1)").arg(Areas(blinking));
    return text;
  };
  line(Tr("armed"), view.arming ? areas(view.arming->armed, view.arming->armedBlinking) : Unknown());
  line(Tr("stay armed"), view.arming ? areas(view.arming->stay, view.arming->stayBlinking) : Unknown());
  const bool zonesKnown = view.zones[0] && view.zones[1];
  const auto zoneBits = [&view](std::uint8_t console::ZoneGroupStatus::*field) {
    return static_cast<unsigned>((*view.zones[0]).*field) | static_cast<unsigned>((*view.zones[1]).*field) << 8;
  };
  line(Tr("zones open"), zonesKnown ? Numbers(zoneBits(&console::ZoneGroupStatus::open), 16) : Unknown());
  line(Tr("zones alarm"), zonesKnown ? Numbers(zoneBits(&console::ZoneGroupStatus::alarm), 16) : Unknown());
  line(Tr("zones bypassed"), view.bypassed  ? Numbers(*view.bypassed, 16)
                              : zonesKnown ? Numbers(zoneBits(&console::ZoneGroupStatus::bypassed), 16)
                                           : Unknown());
  line(Tr("zones tamper"), zonesKnown ? Numbers(zoneBits(&console::ZoneGroupStatus::tamper), 16) : Unknown());
  line(Tr("outputs on"), view.outputs ? Numbers(*view.outputs, 8) : Unknown());
  QStringList troubles;
  if (view.lamps) {
    const std::pair<std::uint8_t, const char*> kTroubles[] = {{0x01, QT_TRANSLATE_NOOP("ctl", "battery")},
                                                             {0x02, QT_TRANSLATE_NOOP("ctl", "power")},
                                                             {0x04, QT_TRANSLATE_NOOP("ctl", "fuse")},
                                                             {0x08, QT_TRANSLATE_NOOP("ctl", "line")}};
    for (const auto& [bit, name] : kTroubles)
      if (view.lamps->troubles & bit) troubles << Tr(name);
  }
  line(Tr("troubles"), !view.lamps ? Unknown() : troubles.isEmpty() ? QStringLiteral("-") : troubles.join(QLatin1Char(' ')));
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace ctl
