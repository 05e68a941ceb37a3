#include "panelfiles/SlotTexts.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <span>

#include "core/panelfiles/PanelFile.h"

namespace panelfiles {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("panelfiles", text); }

const params::PanelParameter& ParameterOf(int slot) { return *AllSlots()[static_cast<std::size_t>(slot)].parameter; }

QString OptionName(const params::PanelParameter& p, int bit) {
  const std::string_view label = p.labels ? (*p.labels)[static_cast<std::size_t>(bit)] : std::string_view();
  if (label.empty() || (p.bits & (1u << bit)) == 0) return Tr("option %1").arg(bit + 1);
  return QCoreApplication::translate("ParameterMap", std::string(label).c_str());
}

}  // namespace

QString ValueText(int slot, const std::optional<params::Value>& value, const QString& missing) {
  return value ? QString::fromStdString(params::FormatValue(ParameterOf(slot), *value)) : missing;
}

QString OptionChanges(int slot, const std::optional<params::Value>& from, const std::optional<params::Value>& to) {
  const params::PanelParameter& p = ParameterOf(slot);
  if (p.kind != params::ValueKind::Options || !from || !to) return {};
  const auto onOff = [](std::uint32_t byte, int bit) { return byte & (1u << bit) ? Tr("on") : Tr("off"); };
  QStringList changes;
  for (int bit = 0; bit < 8; ++bit) {
    if (((from->number ^ to->number) & (1u << bit)) == 0) continue;
    changes << QStringLiteral("%1: %2 -> %3").arg(OptionName(p, bit), onOff(from->number, bit), onOff(to->number, bit));
  }
  return changes.join(QStringLiteral("; "));
}

QString ReplyBytesText(int slot, const QString& hex, const QString& missing) {
  const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
  if (bytes.isEmpty()) return missing;
  const std::span<const std::uint8_t> values(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                             static_cast<std::size_t>(bytes.size()));
  if (const std::optional<params::Value> value = params::ValueFromBytes(ParameterOf(slot), values))
    return ValueText(slot, value, missing);
  return QStringLiteral("raw ") + QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QStringList DifferenceRow(const Difference& d, const QString& missingLeft) {
  return {QString::fromStdString(SlotTitle(d.slot)), QString::fromStdString(EntityText(d.slot)),
          ValueText(d.slot, d.left, missingLeft), ValueText(d.slot, d.right, QString()),
          OptionChanges(d.slot, d.left, d.right)};
}

QString MissingText(int slot, const PanelTransferJob::RestoreReport& report) {
  if (std::ranges::find(report.cutShort, slot) != report.cutShort.end())
    return Tr("cannot be read over TCP: its reply holds the byte 0x7E");
  return Tr("no answer");
}

QString KeptText(int slot, const params::Value& wanted) {
  if (!params::IsValid(ParameterOf(slot), wanted)) return Tr("kept on the panel: no editor can type this value");
  return Tr("kept on the panel: options no editor shows");
}

}  // namespace panelfiles
