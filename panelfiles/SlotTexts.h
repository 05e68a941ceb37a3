#pragma once

// What the window's tables and tarnelctl's reports say about a slot, in
// one wording for both.

#include <QString>
#include <QStringList>
#include <optional>

#include "core/panelfiles/PanelImage.h"
#include "panelfiles/PanelTransferJob.h"

namespace panelfiles {

// The value as a panel file writes it, or `missing`.
QString ValueText(int slot, const std::optional<params::Value>& value, const QString& missing);

// The options of an option byte that differ from `from` to `to`, by their
// texts: "Zone is N/O: on -> off; option 5: off -> on". Empty for another
// kind of value, a value missing on one side, or no difference.
QString OptionChanges(int slot, const std::optional<params::Value>& from, const std::optional<params::Value>& to);

// A value kept as the value bytes of the panel's reply in hex (as the
// journal of program-mode sessions keeps them), written as a panel file
// writes it; bytes that the slot's replies never carry as they are
// ("raw 01 02 03"); no bytes at all as `missing`.
QString ReplyBytesText(int slot, const QString& hex, const QString& missing);

// A row of the compare table: menu title, entity, left value (or
// missingLeft), right value, the options that differ.
QStringList DifferenceRow(const Difference& difference, const QString& missingLeft);

// Why a panel value is missing from a reading: "no answer", or that its
// reply holds the byte 0x7E and so cannot travel over TCP.
QString MissingText(int slot, const PanelTransferJob::RestoreReport& report);

// Why a restore left a difference on the panel: "kept on the panel: no
// editor can type this value", or the options no editor shows.
QString KeptText(int slot, const params::Value& wanted);

}  // namespace panelfiles
