#pragma once

// What the window's tables and tarnelctl's reports say about a slot, in
// one wording for both.

#include <QString>
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

// Why a panel value is missing from a reading: "no answer", or that its
// reply holds the byte 0x7E and so cannot travel over TCP.
QString MissingText(int slot, const PanelTransferJob::RestoreReport& report);

// Why a restore left a difference on the panel: "kept on the panel: no
// editor can type this value", or the options no editor shows.
QString KeptText(int slot, const params::Value& wanted);

}  // namespace panelfiles
